#pragma once
// Graphics for a print job on a paged device (a QPrinter, a QPdfWriter). One
// painter serves the whole job, because ending a painter on a printer ends the
// job. Units are points: 72 to the inch, as the product's page layouts were
// drawn, whatever the device's resolution.
#include <cstdint>
#include <memory>

#include "framework/graphics/PainterGraphics.h"

class QPagedPaintDevice;
class QPainter;

class PrinterGraphics : public PainterGraphics {
public:
    // The device must outlive this object.
    explicit PrinterGraphics(QPagedPaintDevice& device);
    ~PrinterGraphics() override;  // ends the job

    int32_t Width() const override;   // the page's printable width, in points
    int32_t Height() const override;

    void NextPage() override;
    // Ends the job now; later drawing does nothing.
    void EndJob();

protected:
    QPainter* beginPainting() override;
    void endPainting(QPainter* painter) override;
    uint32_t clearColor() const override { return 0xFFFFFFFF; }

private:
    QPagedPaintDevice& device_;
    std::unique_ptr<QPainter> painter_;
    bool ended_ = false;
};
