#pragma once

#include "memory/display/picturedialog.h"

#include <QImage>

class QCheckBox;
class QFont;
class QFontComboBox;
class QPlainTextEdit;
class QSpinBox;

namespace memory {

// The text line under line, each line centred, black on a white width x height canvas, the
// block of lines centred on it; what does not fit is cut off. Drawn without smoothing, so that
// each glyph keeps the hard edges the font has at that size on a display of two colours.
QImage textPicture(const QString &text, const QFont &font, int width, int height);

// "Write Text...": a line or two of text in any installed font, size (in display pixels) and
// weight, drawn at the rectangle's size and shaded as a picture is, with the picture's preview.
class TextDialog : public PictureDialog
{
    Q_OBJECT
public:
    TextDialog(int width, int height, QWidget *parent);

private:
    void draw();

    int m_width;
    int m_height;
    QPlainTextEdit *m_text;
    QFontComboBox *m_font;
    QSpinBox *m_size;
    QCheckBox *m_bold;
};

} // namespace memory
