#include "ManPage.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <regex>
#include <sstream>

namespace lumo::manpage {
namespace {

struct Line {
  int indent = 0;    // leading blanks
  std::string text;  // without them; empty for a blank line
  bool blank() const { return text.empty(); }
};
using Lines = std::vector<Line>;

struct Entry;
// A paragraph (its lines) or a list of entries.
struct Node {
  std::vector<std::string> paragraph;
  std::vector<Entry> entries;
};
struct Entry {
  std::string term;
  std::vector<Node> body;
};
using Body = std::vector<Node>;

struct Section {
  std::string name;
  Lines lines;
};

Lines splitLines(const std::string& help) {
  Lines lines;
  std::istringstream in(help);
  std::string raw;
  while (std::getline(in, raw)) {
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    const size_t first = raw.find_first_not_of(' ');
    if (first == std::string::npos) {
      lines.push_back({});
    } else {
      const size_t last = raw.find_last_not_of(' ');
      lines.push_back({static_cast<int>(first), raw.substr(first, last - first + 1)});
    }
  }
  return lines;
}

int minIndent(Lines::const_iterator begin, Lines::const_iterator end) {
  int indent = -1;
  for (auto l = begin; l != end; ++l)
    if (!l->blank() && (indent < 0 || l->indent < indent)) indent = l->indent;
  return indent;
}

Body parseBody(const Lines& lines, int base);

// The term before two or more blanks, and the description after them (if any).
std::pair<std::string, std::string> splitTerm(const std::string& text) {
  const size_t gap = text.find("  ");
  if (gap == std::string::npos) return {text, {}};
  return {text.substr(0, gap), text.substr(text.find_first_not_of(' ', gap))};
}

Entry makeEntry(const Line& head, Lines body) {
  auto [term, description] = splitTerm(head.text);
  const int bodyIndent = minIndent(body.begin(), body.end());
  if (description.empty()) {
    // Lines deeper than the description continue the term.
    auto l = body.begin();
    for (; l != body.end() && !l->blank() && l->indent > bodyIndent; ++l) term += " " + l->text;
    body.erase(body.begin(), l);
  }
  Entry entry{term, parseBody(body, bodyIndent)};
  if (!description.empty()) {
    if (entry.body.empty() || entry.body.front().paragraph.empty()) entry.body.insert(entry.body.begin(), Node{});
    auto& first = entry.body.front().paragraph;
    first.insert(first.begin(), description);
  }
  return entry;
}

std::vector<Entry> parseEntries(const Lines& lines) {
  const int base = minIndent(lines.begin(), lines.end());
  std::vector<Entry> entries;
  std::optional<Line> head;
  Lines body;
  for (const Line& l : lines) {
    if (!l.blank() && l.indent <= base) {
      if (head) entries.push_back(makeEntry(*head, body));
      head = l;
      body.clear();
    } else if (head) {
      body.push_back(l);
    }
  }
  if (head) entries.push_back(makeEntry(*head, body));
  return entries;
}

// Prose at `base`, lists of entries deeper; blank lines end paragraphs.
Body parseBody(const Lines& lines, int base) {
  Body body;
  bool inParagraph = false;
  for (size_t i = 0; i < lines.size();) {
    const Line& l = lines[i];
    if (l.blank()) {
      inParagraph = false;
      ++i;
    } else if (l.indent <= base) {
      if (!inParagraph) body.push_back(Node{});
      body.back().paragraph.push_back(l.text);
      inParagraph = true;
      ++i;
    } else {
      Lines run;
      for (; i < lines.size() && (lines[i].blank() || lines[i].indent > base); ++i) run.push_back(lines[i]);
      body.push_back(Node{{}, parseEntries(run)});
      inParagraph = false;
    }
  }
  return body;
}

std::string escape(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == '\\') {
      out += "\\e";
    } else if (c == '-') {
      out += "\\-";
    } else if (c < 0x80) {
      out += static_cast<char>(c);
    } else {
      // One UTF-8 sequence as a groff escape; a broken one as a question mark.
      const int length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
      std::uint32_t code = length == 1 ? 0 : c & (0x7Fu >> length);
      bool valid = length > 1 && i + length <= text.size();
      for (int k = 1; valid && k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        valid = (next & 0xC0) == 0x80;
        code = (code << 6) | (next & 0x3F);
      }
      if (!valid) {
        out += '?';
        continue;
      }
      char buffer[16];
      std::snprintf(buffer, sizeof buffer, "\\[u%04X]", static_cast<unsigned>(code));
      out += buffer;
      i += length - 1;
    }
  }
  return out;
}

std::string guardLine(std::string line) {
  if (!line.empty() && (line.front() == '.' || line.front() == '\'')) line.insert(0, "\\&");
  return line;
}

bool isPlaceholder(const std::string& word) {
  return std::any_of(word.begin(), word.end(), [](char c) { return c >= 'A' && c <= 'Z'; }) &&
         std::all_of(word.begin(), word.end(), [](char c) {
           return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '_';
         });
}

// A term or usage line: options and the leading name bold, placeholders in italics.
std::string styleTerm(const std::string& term) {
  std::istringstream words(term);
  std::string word, out;
  bool first = true;
  while (words >> word) {
    const size_t lead = word.find_first_not_of("([|");
    std::string core = lead == std::string::npos ? "" : word.substr(lead);
    std::string trail;
    for (bool peeled = true; peeled && !core.empty();) {
      peeled = false;
      for (const char* end : {"...", "]", ")", ",", "|", ";"}) {
        const std::string e(end);
        if (core.size() > e.size() && core.compare(core.size() - e.size(), e.size(), e) == 0) {
          trail.insert(0, e);
          core.resize(core.size() - e.size());
          peeled = true;
        }
      }
    }
    const bool option = core.size() > 1 && core[0] == '-';
    const char* font = isPlaceholder(core) ? "\\fI" : option || (first && lead == 0) ? "\\fB" : "";
    if (!first) out += ' ';
    out += escape(word.substr(0, lead == std::string::npos ? word.size() : lead));
    out += font;
    out += escape(core);
    if (*font) out += "\\fR";
    out += escape(trail);
    first = false;
  }
  return out;
}

void writeParagraphLines(std::ostream& out, const std::vector<std::string>& lines) {
  for (const std::string& l : lines) out << guardLine(escape(l)) << '\n';
}

void writeEntries(std::ostream& out, const std::vector<Entry>& entries);

// The body of an entry, already inside its .TP.
void writeEntryBody(std::ostream& out, const Body& body) {
  bool first = true;
  for (const Node& node : body) {
    if (!node.paragraph.empty()) {
      if (!first) out << ".IP\n";
      writeParagraphLines(out, node.paragraph);
    } else {
      out << ".RS\n";
      writeEntries(out, node.entries);
      out << ".RE\n";
    }
    first = false;
  }
}

void writeEntries(std::ostream& out, const std::vector<Entry>& entries) {
  for (const Entry& e : entries) {
    out << ".TP\n" << guardLine(styleTerm(e.term)) << '\n';
    writeEntryBody(out, e.body);
  }
}

void writeSectionBody(std::ostream& out, const Body& body) {
  bool afterText = false;
  for (const Node& node : body) {
    if (!node.paragraph.empty()) {
      if (afterText) out << ".PP\n";
      writeParagraphLines(out, node.paragraph);
    } else {
      writeEntries(out, node.entries);
    }
    afterText = true;
  }
}

std::string upper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
  return text;
}

// The usage lines, and the help after them in sections.
struct Parsed {
  std::vector<std::string> usage;
  std::vector<Section> sections;
};

Parsed parseHelp(const std::string& help) {
  static const std::regex heading(R"(([A-Z][A-Za-z]*(?: [A-Za-z]+){0,2}):(?: +(.*))?)");
  Parsed parsed;
  parsed.sections.push_back({"DESCRIPTION", {}});
  bool afterBlank = true, inUsage = false;
  for (const Line& l : splitLines(help)) {
    std::smatch m;
    const bool startsBlock = afterBlank && !l.blank() && l.indent == 0;
    afterBlank = l.blank();
    if (startsBlock && std::regex_match(l.text, m, heading)) {
      inUsage = m[1] == "Usage";
      if (inUsage) {
        parsed.usage.push_back(m[2]);
        continue;
      }
      parsed.sections.push_back({upper(m[1]), {}});
      if (m[2].length() > 0) parsed.sections.back().lines.push_back({0, m[2]});
    } else if (inUsage && !l.blank()) {
      parsed.usage.push_back(l.text);
    } else {
      inUsage = false;
      parsed.sections.back().lines.push_back(l);
    }
  }
  return parsed;
}

}  // namespace

std::string roffText(const std::string& text) { return guardLine(escape(text)); }

std::string helpToMan(const std::string& help, const PageInfo& info) {
  const Parsed parsed = parseHelp(help);
  std::ostringstream out;
  out << ".TH " << escape(upper(info.name)) << " 1 \"" << escape(info.date) << "\" \"Lumo "
      << escape(info.version) << "\" \"User Commands\"\n";
  // Ragged right without hyphenation: option names and paths stay whole.
  out << ".nh\n.ad l\n";
  out << ".SH NAME\n" << escape(info.name) << " \\- " << escape(info.summary) << '\n';
  if (!parsed.usage.empty()) {
    out << ".SH SYNOPSIS\n";
    for (size_t i = 0; i < parsed.usage.size(); ++i)
      out << (i ? ".br\n" : "") << guardLine(styleTerm(parsed.usage[i])) << '\n';
  }
  for (const Section& section : parsed.sections) {
    const Body body = parseBody(section.lines, 0);
    if (body.empty()) continue;
    out << ".SH \"" << escape(section.name) << "\"\n";
    writeSectionBody(out, body);
  }
  if (!info.seeAlso.empty()) {
    out << ".SH \"SEE ALSO\"\n";
    for (size_t i = 0; i < info.seeAlso.size(); ++i)
      out << "\\fB" << escape(info.seeAlso[i]) << "\\fR(1)" << (i + 1 < info.seeAlso.size() ? ",\n" : "\n");
  }
  return out.str();
}

}  // namespace lumo::manpage
