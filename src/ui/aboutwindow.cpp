#include "ui/aboutwindow.h"

#include "ui/boardart.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

namespace ui {

AboutWindow::AboutWindow(QWidget *owner)
    : QWidget(owner, Qt::Window)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Korvel Grahic Demo"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto *icon = new Drawing(paintIcon, QSize(48, 48), this);
    icon->setObjectName(QStringLiteral("picIcon"));
    icon->setAccessibleName(QStringLiteral("Sketra"));

    auto *title = new QLabel(QStringLiteral("Sketra Demo\nVer. 1.3.2"), this);
    title->setObjectName(QStringLiteral("lblTitle"));
    title->setTextFormat(Qt::PlainText);
    QFont large = title->font();
    large.setPointSizeF(large.pointSizeF() * 1.4);
    large.setBold(true);
    title->setFont(large);

    auto *picture = new Drawing(paintBoard, QSize(400, 260), this);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setAccessibleName(QStringLiteral("The Korvel board showing its logo screen"));

    auto *line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    ok->setMinimumWidth(ok->fontMetrics().averageCharWidth() * 12);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this,
            &QWidget::close);

    auto *layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0);
    layout->addWidget(title, 0, 1);
    layout->addWidget(picture, 1, 0, 1, 2);
    layout->addWidget(line, 2, 0, 1, 2);
    layout->addWidget(ok, 3, 1, Qt::AlignRight);
    layout->setColumnStretch(1, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ok->setFocus();
}

} // namespace ui
