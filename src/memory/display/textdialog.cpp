#include "memory/display/textdialog.h"

#include "memory/display/displayimages.h"

#include <QCheckBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QPainter>
#include <QPlainTextEdit>
#include <QSpinBox>

namespace memory {

QImage textPicture(const QString &text, const QFont &font, int width, int height)
{
    QImage canvas(width, height, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QFont hard = font;
    hard.setStyleStrategy(QFont::NoAntialias);
    QPainter painter(&canvas);
    painter.setFont(hard);
    painter.setPen(Qt::black);
    painter.drawText(canvas.rect(), Qt::AlignCenter, text);
    return canvas;
}

TextDialog::TextDialog(int width, int height, QWidget *parent)
    : PictureDialog(greyImage(textPicture({}, {}, width, height)), width, height, parent)
    , m_width(width)
    , m_height(height)
    , m_text(new QPlainTextEdit)
    , m_font(new QFontComboBox)
    , m_size(new QSpinBox)
    , m_bold(new QCheckBox(tr("&Bold")))
{
    setObjectName(QStringLiteral("textDialog"));
    setWindowTitle(tr("Write text"));
    m_text->setObjectName(QStringLiteral("textLines"));
    m_text->setAccessibleName(tr("Text"));
    m_text->setTabChangesFocus(true);
    // Room for a line or two; more are drawn too, as far as the rectangle reaches.
    m_text->setFixedHeight(m_text->fontMetrics().lineSpacing() * 3);
    m_font->setObjectName(QStringLiteral("textFont"));
    m_font->setAccessibleName(tr("Font"));
    m_size->setObjectName(QStringLiteral("textSize"));
    m_size->setAccessibleName(tr("Size in display pixels"));
    m_size->setRange(4, 64);
    m_size->setValue(16);
    m_bold->setObjectName(QStringLiteral("textBold"));

    auto *rows = new QFormLayout;
    rows->addRow(tr("Te&xt"), m_text);
    rows->addRow(tr("&Font"), m_font);
    rows->addRow(tr("Si&ze (pixels)"), m_size);
    rows->addRow(QString(), m_bold);
    drawOwnPicture(rows);

    connect(m_text, &QPlainTextEdit::textChanged, this, &TextDialog::draw);
    connect(m_font, &QFontComboBox::currentFontChanged, this, &TextDialog::draw);
    connect(m_size, &QSpinBox::valueChanged, this, &TextDialog::draw);
    connect(m_bold, &QCheckBox::toggled, this, &TextDialog::draw);
}

void TextDialog::draw()
{
    QFont font = m_font->currentFont();
    font.setPixelSize(m_size->value());
    font.setBold(m_bold->isChecked());
    setPicture(greyImage(textPicture(m_text->toPlainText(), font, m_width, m_height)));
}

} // namespace memory
