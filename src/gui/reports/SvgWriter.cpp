#include "SvgWriter.h"

#include <QBuffer>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPixmap>
#include <QTextItem>

namespace cw {
namespace {

constexpr int kDpi = 96;

QString number(qreal v) { return QString::number(v, 'g', 6); }

QString escaped(const QString& text) { return text.toHtmlEscaped(); }

QString colourAttributes(const char* name, const QColor& colour)
{
    QString s = QStringLiteral(" %1=\"%2\"").arg(QLatin1String(name), colour.name(QColor::HexRgb));
    if (colour.alphaF() < 1)
        s += QStringLiteral(" %1-opacity=\"%2\"").arg(QLatin1String(name), number(colour.alphaF()));
    return s;
}

QColor brushColour(const QBrush& brush)
{
    if (const QGradient* g = brush.gradient(); g && !g->stops().isEmpty())
        return g->stops().first().second;
    return brush.color();
}

} // namespace

class SvgPaintEngine : public QPaintEngine {
public:
    SvgPaintEngine(QIODevice* device, QSize size)
        : QPaintEngine(PaintEngineFeatures(AllFeatures & ~PerspectiveTransform & ~ConicalGradientFill & ~PorterDuff)),
          device_(device), size_(size)
    {
    }

    bool begin(QPaintDevice*) override
    {
        body_.clear();
        return device_->isWritable();
    }

    bool end() override
    {
        const QByteArray head = QStringLiteral(
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
            "version=\"1.1\" width=\"%1\" height=\"%2\" viewBox=\"0 0 %1 %2\">\n")
                                    .arg(size_.width())
                                    .arg(size_.height())
                                    .toUtf8();
        return device_->write(head) == head.size() && device_->write(body_.toUtf8()) >= 0
            && device_->write("</svg>\n") >= 0;
    }

    Type type() const override { return User; }

    void updateState(const QPaintEngineState& state) override
    {
        if (state.state() & DirtyPen)
            pen_ = state.pen();
        if (state.state() & DirtyBrush)
            brush_ = state.brush();
        if (state.state() & DirtyTransform)
            transform_ = state.transform();
        if (state.state() & DirtyFont)
            font_ = state.font();
        if (state.state() & DirtyOpacity)
            opacity_ = state.opacity();
    }

    void drawPath(const QPainterPath& path) override
    {
        QString d;
        for (int i = 0; i < path.elementCount(); ++i) {
            const QPainterPath::Element e = path.elementAt(i);
            // By element type: move, line, curve, and a curve's further points.
            static constexpr char16_t kCommand[] = {u'M', u'L', u'C', u' '};
            d += QChar(kCommand[e.type]) + number(e.x) + u' ' + number(e.y);
        }
        const QString rule = path.fillRule() == Qt::WindingFill ? QStringLiteral("nonzero") : QStringLiteral("evenodd");
        body_ += QStringLiteral("<path d=\"%1\" fill-rule=\"%2\"").arg(d, rule) + style(true) + QStringLiteral("/>\n");
    }

    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override
    {
        QString list;
        for (int i = 0; i < count; ++i)
            list += number(points[i].x()) + u',' + number(points[i].y()) + u' ';
        const bool filled = mode != PolylineMode;
        const QString rule = mode == WindingMode ? QStringLiteral("nonzero") : QStringLiteral("evenodd");
        body_ += QStringLiteral("<%1 points=\"%2\" fill-rule=\"%3\"")
                     .arg(filled ? QStringLiteral("polygon") : QStringLiteral("polyline"), list.trimmed(), rule)
            + style(filled) + QStringLiteral("/>\n");
    }

    void drawTextItem(const QPointF& p, const QTextItem& item) override
    {
        const QFont font = item.font();
        const qreal pixels = font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * kDpi / 72.0;
        body_ += QStringLiteral("<text x=\"%1\" y=\"%2\" font-family=\"%3\" font-size=\"%4\" font-weight=\"%5\"")
                     .arg(number(p.x()), number(p.y()), escaped(font.family()), number(pixels),
                          font.bold() ? QStringLiteral("bold") : QStringLiteral("normal"))
            + (font.italic() ? QStringLiteral(" font-style=\"italic\"") : QString())
            + colourAttributes("fill", pen_.color()) + transformAttribute() + QStringLiteral(" xml:space=\"preserve\">")
            + escaped(item.text()) + QStringLiteral("</text>\n");
    }

    void drawPixmap(const QRectF& r, const QPixmap& pixmap, const QRectF& source) override
    {
        drawImage(r, pixmap.toImage(), source, Qt::AutoColor);
    }

    void drawImage(const QRectF& r, const QImage& image, const QRectF& source, Qt::ImageConversionFlags) override
    {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.copy(source.toAlignedRect()).save(&buffer, "PNG");
        body_ += QStringLiteral("<image x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" preserveAspectRatio=\"none\" "
                                "xlink:href=\"data:image/png;base64,%5\"")
                     .arg(number(r.x()), number(r.y()), number(r.width()), number(r.height()),
                          QString::fromLatin1(png.toBase64()))
            + transformAttribute() + QStringLiteral("/>\n");
    }

private:
    QString transformAttribute() const
    {
        if (transform_.isIdentity())
            return {};
        const QTransform& t = transform_;
        return QStringLiteral(" transform=\"matrix(%1 %2 %3 %4 %5 %6)\"")
            .arg(number(t.m11()), number(t.m12()), number(t.m21()), number(t.m22()), number(t.dx()), number(t.dy()));
    }

    QString style(bool filled) const
    {
        QString s;
        if (filled && brush_.style() != Qt::NoBrush)
            s += colourAttributes("fill", brushColour(brush_));
        else
            s += QStringLiteral(" fill=\"none\"");
        if (pen_.style() == Qt::NoPen) {
            s += QStringLiteral(" stroke=\"none\"");
        } else {
            s += colourAttributes("stroke", brushColour(pen_.brush()));
            const qreal width = pen_.widthF() > 0 ? pen_.widthF() : 1;
            s += QStringLiteral(" stroke-width=\"%1\"").arg(number(width));
            if (pen_.isCosmetic())
                s += QStringLiteral(" vector-effect=\"non-scaling-stroke\"");
            if (pen_.style() != Qt::SolidLine) {
                QStringList dashes;
                for (qreal v : pen_.dashPattern())
                    dashes << number(v * width);
                s += QStringLiteral(" stroke-dasharray=\"%1\"").arg(dashes.join(u','));
            }
            s += pen_.capStyle() == Qt::FlatCap     ? QStringLiteral(" stroke-linecap=\"butt\"")
                 : pen_.capStyle() == Qt::RoundCap ? QStringLiteral(" stroke-linecap=\"round\"")
                                                   : QStringLiteral(" stroke-linecap=\"square\"");
            s += pen_.joinStyle() == Qt::RoundJoin   ? QStringLiteral(" stroke-linejoin=\"round\"")
                 : pen_.joinStyle() == Qt::BevelJoin ? QStringLiteral(" stroke-linejoin=\"bevel\"")
                                                     : QStringLiteral(" stroke-linejoin=\"miter\"");
        }
        if (opacity_ < 1)
            s += QStringLiteral(" opacity=\"%1\"").arg(number(opacity_));
        return s + transformAttribute();
    }

    QIODevice* device_;
    QSize size_;
    QString body_;
    QPen pen_;
    QBrush brush_;
    QTransform transform_;
    QFont font_;
    qreal opacity_ = 1;
};

SvgWriter::SvgWriter(QIODevice* device, const QSize& size)
    : size_(size), engine_(std::make_unique<SvgPaintEngine>(device, size))
{
}

SvgWriter::~SvgWriter() = default;

QPaintEngine* SvgWriter::paintEngine() const { return engine_.get(); }

int SvgWriter::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth:
        return size_.width();
    case PdmHeight:
        return size_.height();
    case PdmWidthMM:
        return qRound(size_.width() * 25.4 / kDpi);
    case PdmHeightMM:
        return qRound(size_.height() * 25.4 / kDpi);
    case PdmNumColors:
        return INT_MAX;
    case PdmDepth:
        return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return kDpi;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(QPaintDevice::devicePixelRatioFScale());
    default:
        return QPaintDevice::metric(metric);
    }
}

} // namespace cw
