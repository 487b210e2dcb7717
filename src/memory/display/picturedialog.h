#pragma once

#include "protocol/monochrome.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QSlider;
class QSpinBox;

namespace memory {

// How a picture becomes lit and dark pixels: placement, threshold or dithering, inversion,
// with a preview at the rectangle's own pixels that follows every change.
class PictureDialog : public QDialog
{
    Q_OBJECT
public:
    PictureDialog(const protocol::GreyImage &picture, int width, int height, QWidget *parent);

    protocol::PictureOptions options() const;
    void setOptions(const protocol::PictureOptions &options);
    // The pixels as the options make them.
    const protocol::Bitmap &preview() const { return m_preview; }

private:
    void refresh();

    protocol::GreyImage m_picture;
    int m_width;
    int m_height;
    protocol::Bitmap m_preview;
    QComboBox *m_placement;
    QComboBox *m_shading;
    QSlider *m_thresholdSlider;
    QSpinBox *m_threshold;
    QCheckBox *m_invert;
    QLabel *m_view;
};

} // namespace memory
