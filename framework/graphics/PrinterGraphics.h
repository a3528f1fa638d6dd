#pragma once
// Graphics for a print job on a paged device (a QPrinter, a QPdfWriter). One
// painter serves the whole job, because ending a painter on a printer ends the
// job. Units are points: 72 to the inch, as the product's page layouts were
// drawn, whatever the device's resolution.
//
// A job that does not reach its device (a file that cannot be written, a
// printer that refuses it) draws nothing more and says why in Failure(), so
// the caller can tell the user instead of letting the job pass for printed.
#include <cstdint>
#include <memory>
#include <string>

#include "framework/graphics/PainterGraphics.h"

class DeviceScaledPicture;
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
    // Ends the job now; later drawing does nothing. Answers whether all that
    // was drawn reached the device (True for a job that drew nothing).
    bool EndJob();
    // Why the job failed, for the user; empty while nothing has gone wrong.
    const std::string& Failure() const { return failure_; }

protected:
    QPainter* beginPainting() override;
    void endPainting(QPainter* painter) override;
    uint32_t clearColor() const override { return 0xFFFFFFFF; }
    // At the device's pixels for the box, the same image for the same
    // picture and box: a thumbnail on every page goes into a PDF once.
    void drawPicturePart(QPainter& painter, const Picture& picture, const QRect& source, const QRectF& target) override;

    // Hooks of a job that owns its device. openDevice runs once, before the
    // first drawing; closeDevice once, after the painter has ended a job that
    // started. Each answers an empty text or why the device failed.
    virtual std::string openDevice() { return {}; }
    virtual std::string closeDevice() { return {}; }
    // Ends the job before the object goes: a subclass that owns the device
    // calls it in its own destructor, while its closeDevice can still run.
    void endJobNow() { EndJob(); }

private:
    void fail(std::string why);

    QPagedPaintDevice& device_;
    std::unique_ptr<QPainter> painter_;
    std::unique_ptr<DeviceScaledPicture> lastPicture_;
    bool ended_ = false;
    std::string failure_;
};
