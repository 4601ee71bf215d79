#include "ManPage.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <sstream>

#include "HelpText.h"

namespace lumo::manpage {
namespace {

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
}  // namespace

std::string helpToMan(const std::string& help, const PageInfo& info) {
  const HelpText parsed = parseHelp(help);
  std::ostringstream out;
  out << ".TH " << escape(upperCase(info.name)) << " 1 \"" << escape(info.date) << "\" \"Lumo "
      << escape(info.version) << "\" \"User Commands\"\n";
  // Ragged right without hyphenation: option names and paths stay whole.
  out << ".nh\n.ad l\n";
  out << ".SH NAME\n" << escape(info.name) << " \\- " << escape(info.summary) << '\n';
  if (!parsed.usage.empty()) {
    out << ".SH SYNOPSIS\n";
    for (size_t i = 0; i < parsed.usage.size(); ++i)
      out << (i ? ".br\n" : "") << guardLine(styleTerm(parsed.usage[i])) << '\n';
  }
  for (const HelpSection& section : parsed.sections) {
    if (section.body.empty()) continue;
    out << ".SH \"" << escape(section.name) << "\"\n";
    writeSectionBody(out, section.body);
  }
  if (!info.seeAlso.empty()) {
    out << ".SH \"SEE ALSO\"\n";
    for (size_t i = 0; i < info.seeAlso.size(); ++i)
      out << "\\fB" << escape(info.seeAlso[i]) << "\\fR(1)"
          << (i + 1 < info.seeAlso.size() ? ",\n" : "\n");
  }
  return out.str();
}

}  // namespace lumo::manpage
