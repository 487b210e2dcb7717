#pragma once

#include "board/lcd.h"

#include <QImage>
#include <QWidget>

#include <functional>

class QAction;

namespace board {

// The simulated display: LCD colours, scaled by the largest whole number of screen pixels per
// display pixel that fits, so that every pixel stays square and sharp at any screen scale.
class LcdView : public QWidget
{
    Q_OBJECT

public:
    // Asks where to save the image; an empty answer saves nothing.
    using PathAsker = std::function<QString(QWidget *parent)>;

    explicit LcdView(QWidget *parent = nullptr);

    void setMemory(const LcdMemory &memory);
    const LcdMemory &memory() const { return m_memory; }

    // Screen (device) pixels per display pixel at the current size.
    int zoom() const;
    // The display and its glass margin, each display pixel `scale` image pixels wide.
    QImage image(int scale) const;
    bool saveImage(const QString &path) const;

    void setPathAsker(PathAsker asker) { m_askPath = std::move(asker); }
    // Tells the person that an image could not be saved, and why.
    using ProblemTeller = std::function<void(QWidget *parent, const QString &text)>;
    void setProblemTeller(ProblemTeller teller) { m_tellProblem = std::move(teller); }
    // "Save image...": also in the view's context menu.
    QAction *saveImageAction() const { return m_saveImage; }
    void saveImageAs();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    LcdMemory m_memory{};
    QAction *m_saveImage = nullptr;
    PathAsker m_askPath;
    ProblemTeller m_tellProblem;
};

} // namespace board
