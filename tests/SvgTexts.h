#pragma once
// What a test reads back from an SVG figure: the texts written as <text> (trimmed), the
// vector shapes, the page width; an XML fault is kept as `error`.
#include <QXmlStreamReader>

#include <set>
#include <string>

namespace lumo::test {

struct SvgSummary {
  std::set<std::string> texts;
  int shapes = 0;  // <path> and <polyline> elements
  std::string width, error;
};

inline SvgSummary readSvg(const std::string& svg) {
  QXmlStreamReader xml(QByteArray::fromStdString(svg));
  SvgSummary summary;
  bool inText = false;
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isStartElement() && xml.name() == u"svg") summary.width = xml.attributes().value("width").toString().toStdString();
    if (xml.isStartElement() && (xml.name() == u"path" || xml.name() == u"polyline")) ++summary.shapes;
    if (xml.isStartElement()) inText = xml.name() == u"text";
    if (xml.isCharacters() && inText && !xml.isWhitespace())
      summary.texts.insert(xml.text().toString().trimmed().toStdString());
  }
  if (xml.hasError()) summary.error = xml.errorString().toStdString();
  return summary;
}

}  // namespace lumo::test
