#include "HelpText.h"

#include <algorithm>
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
    if (entry.body.empty() || entry.body.front().paragraph.empty())
      entry.body.insert(entry.body.begin(), Node{});
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
      for (; i < lines.size() && (lines[i].blank() || lines[i].indent > base); ++i)
        run.push_back(lines[i]);
      body.push_back(Node{{}, parseEntries(run)});
      inParagraph = false;
    }
  }
  return body;
}
}  // namespace

std::string upperCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return std::toupper(c); });
  return text;
}

HelpText parseHelp(const std::string& help) {
  static const std::regex heading(R"(([A-Z][A-Za-z]*(?: [A-Za-z]+){0,2}):(?: +(.*))?)");
  HelpText parsed;
  std::vector<std::pair<std::string, Lines>> sections = {{"DESCRIPTION", {}}};
  bool afterBlank = true, inUsage = false;
  for (const Line& l : splitLines(help)) {
    std::smatch m;
    // A heading starts a block at the margin.
    const bool startsBlock = afterBlank && !l.blank() && l.indent == 0;
    afterBlank = l.blank();
    if (startsBlock && std::regex_match(l.text, m, heading)) {
      inUsage = m[1] == "Usage";
      if (inUsage) {
        parsed.usage.push_back(m[2]);
        continue;
      }
      sections.push_back({upperCase(m[1]), {}});
      if (m[2].length() > 0) sections.back().second.push_back({0, m[2]});
    } else if (inUsage && !l.blank()) {
      parsed.usage.push_back(l.text);
    } else {
      inUsage = false;
      sections.back().second.push_back(l);
    }
  }
  for (const auto& [name, body] : sections) parsed.sections.push_back({name, parseBody(body, 0)});
  return parsed;
}

}  // namespace lumo::manpage
