#pragma once
// A paint device that writes what is painted on it as an SVG file: paths,
// polygons, text as text, and images embedded as PNG. Enough for the report
// charts; gradients are drawn in their first colour and clipping is left out.

#include <QPaintDevice>
#include <memory>

class QIODevice;

namespace cw {

class SvgPaintEngine;


class SvgWriter : public QPaintDevice {
public:
    // A drawing of `size` pixels at 96 dots per inch, written to `device`
    // (open for writing) when the painter ends.
    SvgWriter(QIODevice* device, const QSize& size);
    ~SvgWriter() override;

    QPaintEngine* paintEngine() const override;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    QSize size_;
    std::unique_ptr<SvgPaintEngine> engine_;
};

} // namespace cw
