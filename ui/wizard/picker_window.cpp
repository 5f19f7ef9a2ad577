#include "ui/wizard/picker_window.h"

#include "ui/common/accessibility.h"
#include "ui/common/picture_area.h"
#include "ui/common/pictures.h"
#include "ui/common/window_conventions.h"
#include "ui/wizard/shape_outline.h"

#include <QLabel>

namespace {

constexpr int kRowTop[2] = {480, 2280};
constexpr int kCaptionTop[7] = {1905, 1920, 1920, 1920, 3720, 3720, 3720};
constexpr int kThumbSize = 1440; // 96 pixels
constexpr int kFrameMargin = 3;  // pixels left of and above the thumbnail
const QColor kEmptyOutline(96, 96, 96);

int row_of(int index)
{
    return index < 4 ? 0 : 1;
}

} // namespace

PickerWindow::PickerWindow(const QString &object_name, const PickerDesign &design, Window back,
                           Window next)
    : WizardWindow(object_name, back, next), design_(design)
{
    add_label(QStringLiteral("Label1_0"), design.heading, heading_font(),
              twips_rect(120, 120, 6435, 375));
    for (int i = 0; i < 7; ++i) {
        auto *thumb = new PictureArea(this, PictureArea::Press::Mouse);
        thumb->setObjectName(QStringLiteral("Image3_%1").arg(i));
        thumb->setAccessibleName(design.captions[i]);
        thumb->setGeometry(twips_rect(design.thumb_left[i], kRowTop[row_of(i)], kThumbSize, kThumbSize));
        thumb->set_stretch(true);
        // The framed thumbnail is the checked one of the seven.
        thumb->setCheckable(true);
        thumb->setAutoExclusive(true);
        connect(thumb, &PictureArea::clicked, this, [this, i] { Image3_Click(i); });
        image3_[i] = thumb;

        QLabel *caption = add_label(QStringLiteral("Label2_%1").arg(i), design.captions[i],
                                    ms_sans_serif(8.25, true),
                                    twips_rect(design.caption_left[i], kCaptionTop[i], kThumbSize, 255),
                                    Qt::AlignHCenter | Qt::AlignTop);
        mark_as_caption(caption);
    }
    shape1_ = new ShapeOutline(QColor(255, 0, 0), 2, this);
    shape1_->setObjectName(QStringLiteral("Shape1"));
    shape1_->setGeometry(twips_rect(0, 0, 1575, 1755));
}

void PickerWindow::loadimages()
{
    WizardWindow::loadimages();
    // A thumbnail is far smaller than the picture even on a dense screen,
    // so the picture drawn at twice the size is not needed.
    for (int i = design_.first_picture; i < 7; ++i)
        image3_[i]->set_picture(load_picture(design_.picture_prefix + QString::number(i)
                                             + QStringLiteral(".jpg"), 1.0));
    outline_empty_thumbnails();
}

// A thumbnail without a picture (the plain default, or a missing file) is
// outlined, so the host sees a square to choose rather than a gap.
void PickerWindow::outline_empty_thumbnails()
{
    for (int i = 0; i < 7; ++i) {
        if (!image3_[i]->picture().isNull())
            continue;
        auto *outline = new ShapeOutline(kEmptyOutline, 1, this);
        outline->setObjectName(QStringLiteral("Image3_%1_outline").arg(i));
        outline->setGeometry(image3_[i]->geometry());
        outline->show();
    }
}

void PickerWindow::make_selection(int index)
{
    const QPoint corner = image3_[index]->pos();
    shape1_->move(corner.x() - kFrameMargin, corner.y() - kFrameMargin);
    image3_[index]->setChecked(true);
    sel_idx = qint16(index);
}

void PickerWindow::Image3_Click(int index)
{
    make_selection(index);
}

// A stored index without a thumbnail (none chosen yet, or a board file
// changed by hand) frames the first one.
void PickerWindow::retval()
{
    const qint16 stored = BoardSettings.*design_.field;
    make_selection(stored < 0 || stored > 6 ? 0 : stored);
}

void PickerWindow::setval()
{
    BoardSettings.*design_.field = sel_idx;
}
