#include "platform/qt/QtSvgRenderer.h"

#include <QColor>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>
#include <vector>

namespace {

// Estimates grow by use instances without end; past this they are all the same.
constexpr double CostCeiling = 1e18;

// One element of the copy, as the drawing estimate needs it.
struct TElementCost {
  int Parent = -1;
  QString Id;
  QString UseTarget;  // the id a reference inside the document names
  double Squared = 0; // the squared segment counts of its path data
};

struct TCleanSvg {
  QByteArray Xml;
  std::vector<TElementCost> Elements;
};

bool IsReference(QStringView name) { return name == u"href" || name.endsWith(u":href"); }

// A picture in a data: URL as the SVG module reads one (base64 after the last "base64,") that
// is PNG, JPEG, GIF or BMP by its first bytes: no SVG inside it, which would be drawn without
// the checks here.
bool IsRasterData(QStringView url) {
  if (!url.startsWith(u"data", Qt::CaseInsensitive)) return false;
  const qsizetype payload = url.lastIndexOf(u"base64,");
  if (payload < 0) return false;
  const QByteArray head = QByteArray::fromBase64(url.mid(payload + 7, 16).toLatin1());
  for (const char* magic : {"\x89PNG", "\xFF\xD8", "GIF8", "BM"})
    if (head.startsWith(magic)) return true;
  return false;
}

// Whether a reference stays inside the document.
bool StaysInside(QStringView value) {
  value = value.trimmed();
  return value.startsWith(u'#') || IsRasterData(value);
}

// The segments of path data or a list of points, as half the numbers written in it.
double Segments(QStringView data) {
  double numbers = 0;
  bool inNumber = false;
  for (const QChar c : data) {
    const bool part = c.isDigit() || c == u'.';
    if (part && !inNumber) ++numbers;
    inNumber = part;
  }
  return numbers / 2;
}

using TAttributes = std::vector<std::pair<QString, QString>>;

// The attributes of the element the reader stands on, less references that leave the
// document; its cost is noted on the way.
TAttributes KeptAttributes(const QXmlStreamReader& reader, TElementCost& element) {
  TAttributes kept;
  for (const QXmlStreamAttribute& attribute : reader.attributes()) {
    const QStringView name = attribute.qualifiedName(), value = attribute.value();
    if (IsReference(name)) {
      if (!StaysInside(value)) continue;
      if (value.trimmed().startsWith(u'#')) element.UseTarget = value.trimmed().mid(1).toString();
    }
    if (name == u"id") element.Id = value.toString();
    if (name == u"d" || name == u"points") element.Squared += std::pow(Segments(value), 2);
    kept.emplace_back(name.toString(), value.toString());
  }
  return kept;
}

QString* Find(TAttributes& attributes, QStringView name) {
  for (auto& [key, value] : attributes)
    if (key == name) return &value;
  return nullptr;
}

// The font size an element draws with: its own in pixels ("12", "12px"), else its parent's.
double FontSize(TAttributes& attributes, double inherited) {
  const QString* size = Find(attributes, u"font-size");
  if (!size) return inherited;
  QStringView number = QStringView(*size).trimmed();
  if (number.endsWith(u"px")) number.chop(2);
  bool ok = false;
  const double pixels = number.toDouble(&ok);
  return ok && pixels > 0 && std::isfinite(pixels) ? pixels : inherited;
}

// The SVG module draws text on its alphabetic baseline whatever dominant-baseline says. The
// two values that diagrams use to centre a label on a point become a shift down from that
// point to the baseline: half the height of the letters above it for central, half an
// x-height for middle.
void PlaceBaseline(TAttributes& attributes, double fontSize) {
  const QString* baseline = Find(attributes, u"dominant-baseline");
  const double ems = !baseline                ? 0
                     : *baseline == u"central" ? 0.34
                     : *baseline == u"middle"  ? 0.25
                                               : 0;
  if (ems == 0) return;
  const QString shift = QStringLiteral("translate(0,%1)").arg(ems * fontSize);
  if (QString* transform = Find(attributes, u"transform"))
    *transform += u' ' + shift;
  else
    attributes.emplace_back(QStringLiteral("transform"), shift);
}

// The document copied with only what it draws from itself, or nothing when it is malformed
// or too large.
std::optional<TCleanSvg> Clean(std::span<const std::uint8_t> svg, QColor color) {
  if (svg.size() > MaxSvgBytes) return std::nullopt;
  const QByteArray data =
      QByteArray::fromRawData(reinterpret_cast<const char*>(svg.data()), qsizetype(svg.size()));
  QXmlStreamReader reader(data);
  // Names, prefixes and namespace declarations are copied as they are written.
  reader.setNamespaceProcessing(false);
  TCleanSvg clean;
  QXmlStreamWriter writer(&clean.Xml);
  int current = -1, depth = 0;
  std::vector<double> fontSizes;  // of each element, as the elements
  while (!reader.atEnd()) {
    switch (reader.readNext()) {
      case QXmlStreamReader::StartElement: {
        if (++depth > MaxSvgDepth || int(clean.Elements.size()) >= MaxSvgElements)
          return std::nullopt;
        TElementCost element;
        element.Parent = current;
        TAttributes attributes = KeptAttributes(reader, element);
        if (current < 0) {
          // What the root leaves unset starts as in a browser, not as the application's font.
          for (auto& [name, value] :
               TAttributes{{QStringLiteral("color"), color.name()},
                           {QStringLiteral("font-size"), QStringLiteral("16")},
                           {QStringLiteral("font-family"), QStringLiteral("serif")}})
            if (!Find(attributes, name)) attributes.emplace_back(std::move(name), std::move(value));
        }
        const QStringView qualified = reader.qualifiedName();
        const double inherited = current < 0 ? 16 : fontSizes[std::size_t(current)];
        fontSizes.push_back(FontSize(attributes, inherited));
        if (qualified.mid(qualified.indexOf(u':') + 1) == u"text")
          PlaceBaseline(attributes, fontSizes.back());
        writer.writeStartElement(qualified.toString());
        for (const auto& [name, value] : attributes) writer.writeAttribute(name, value);
        current = int(clean.Elements.size());
        clean.Elements.push_back(std::move(element));
        break;
      }
      case QXmlStreamReader::EndElement:
        --depth;
        current = clean.Elements[std::size_t(current)].Parent;
        writer.writeEndElement();
        break;
      case QXmlStreamReader::Characters:
        writer.writeCharacters(reader.text().toString());
        break;
      default:
        // The declaration, the DOCTYPE, comments and processing instructions.
        break;
    }
  }
  if (reader.hasError() || clean.Elements.empty()) return std::nullopt;
  return clean;
}

// The elements drawn and the squared path segments, each instance through a reference
// counted, summed over the document. A reference back into what refers to it adds nothing,
// as the SVG module draws nothing for it.
struct TDrawingTotals {
  double Elements = 0, Squared = 0;
};

TDrawingTotals DrawingTotals(const std::vector<TElementCost>& elements) {
  const std::size_t count = elements.size();
  QHash<QString, int> ids;
  std::vector<std::vector<int>> needs(count);
  for (std::size_t i = 0; i < count; ++i) {
    if (!elements[i].Id.isEmpty() && !ids.contains(elements[i].Id))
      ids.insert(elements[i].Id, int(i));
    if (elements[i].Parent >= 0) needs[std::size_t(elements[i].Parent)].push_back(int(i));
  }
  for (std::size_t i = 0; i < count; ++i)
    if (const auto found = ids.constFind(elements[i].UseTarget); found != ids.cend())
      needs[i].push_back(found.value());

  enum TState : std::uint8_t { sNew, sOpen, sDone };
  std::vector<TState> state(count, sNew);
  std::vector<TDrawingTotals> totals(count);
  // Depth first without recursion: reference chains may be as long as the document.
  std::vector<std::pair<int, std::size_t>> stack{{0, 0}};
  state[0] = sOpen;
  while (!stack.empty()) {
    auto& [node, next] = stack.back();
    const std::vector<int>& list = needs[std::size_t(node)];
    if (next < list.size()) {
      const int need = list[next++];
      if (state[std::size_t(need)] == sNew) {
        state[std::size_t(need)] = sOpen;
        stack.emplace_back(need, 0);
      }
      continue;
    }
    TDrawingTotals sum{1, elements[std::size_t(node)].Squared};
    for (const int need : list)
      if (state[std::size_t(need)] == sDone) {
        sum.Elements = std::min(sum.Elements + totals[std::size_t(need)].Elements, CostCeiling);
        sum.Squared = std::min(sum.Squared + totals[std::size_t(need)].Squared, CostCeiling);
      }
    totals[std::size_t(node)] = sum;
    state[std::size_t(node)] = sDone;
    stack.pop_back();
  }
  return totals[0];
}

// The largest scale (at most 1) at which drawing width x height keeps within the budget:
// elements * area * s^2 + weight * squared * height * s <= budget.
double DrawingScale(const TDrawingTotals& totals, int width, int height) {
  const double area = totals.Elements * width * height;
  const double rows = SvgPathWeight * totals.Squared * height;
  if (area + rows <= SvgDrawingBudget) return 1;
  return (std::sqrt(rows * rows + 4 * area * SvgDrawingBudget) - rows) / (2 * area);
}

}  // namespace

std::unique_ptr<TBitmap> TQtSvgRenderer::Render(std::span<const std::uint8_t> svg, int width,
                                                int height, TColor color) const {
  if (width <= 0 || height <= 0) return nullptr;
  const std::optional<TCleanSvg> clean =
      Clean(svg, QColor(RedOf(color), GreenOf(color), BlueOf(color)));
  if (!clean) return nullptr;
  const double scale = DrawingScale(DrawingTotals(clean->Elements), width, height);
  if (scale < MinSvgScale) return nullptr;

  QSvgRenderer renderer(clean->Xml);
  if (!renderer.isValid()) return nullptr;
  renderer.setAspectRatioMode(Qt::KeepAspectRatio);
  const int drawWidth = std::max(1, int(width * scale));
  const int drawHeight = std::max(1, int(height * scale));
  QImage image(drawWidth, drawHeight, QImage::Format_ARGB32_Premultiplied);
  if (image.isNull()) return nullptr;
  image.fill(Qt::transparent);
  {
    QPainter painter(&image);
    renderer.render(&painter, QRectF(0, 0, drawWidth, drawHeight));
  }
  if (drawWidth != width || drawHeight != height)
    image = image.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  // Premultiplied words 0xAARRGGBB, as a bitmap with an alpha channel keeps them.
  image.convertTo(QImage::Format_ARGB32_Premultiplied);
  if (image.isNull() || image.width() != width || image.height() != height) return nullptr;
  auto bitmap = std::make_unique<TBitmap>(width, height);
  bool opaque = true;
  for (int y = 0; y < height; ++y) {
    const auto* line = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
    std::memcpy(bitmap->ScanLine(y), line, std::size_t(width) * 4);
    for (int x = 0; x < width && opaque; ++x) opaque = line[x] >> 24 == 0xFF;
  }
  bitmap->SetAlphaChannel(!opaque);
  return bitmap;
}
