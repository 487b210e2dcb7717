// Renders the main window on each of its tab pages, and the Help and About windows, to PNG
// files, so anyone can look at every page without a board or a screen. Run it through
// scripts/render-pages, which picks the offscreen platform.

#include "app/mainwindow.h"
#include "serial/port.h"
#include "ui/messages.h"
#include "ui/pagetabs.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QRegularExpression>

#include <cstdio>

namespace {

// The window as it opens, with no board attached: the port never opens.
class NoPort final : public serial::Port
{
public:
    void setPortNumber(int number) override { m_number = number; }
    int portNumber() const override { return m_number; }
    QString deviceName(int) const override { return {}; }
    void setSettings(const QString &settings) override { m_settings = settings; }
    QString settings() const override { return m_settings; }
    serial::PortResult open() override
    {
        return serial::PortResult::failure(QStringLiteral("none"));
    }
    void close() override {}
    bool isOpen() const override { return false; }
    serial::PortResult write(const QByteArray &bytes, qsizetype &taken) override
    {
        taken = bytes.size();
        return serial::PortResult::success();
    }
    qsizetype queued() override { return 0; }
    serial::PortResult drain() override { return serial::PortResult::success(); }
    QByteArray readAll() override { return {}; }

private:
    int m_number = 1;
    QString m_settings;
};

class SilentMessages final : public ui::Messages
{
public:
    void show(const QString &, const QString & = {}) override {}
};

QWidget *topLevel(const QString &name)
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->objectName() == name && widget->isVisible())
            return widget;
    return nullptr;
}

bool save(QWidget *window, const QDir &dir, const QString &file)
{
    QApplication::processEvents();
    const QString path = dir.filePath(file);
    if (!window->grab().save(path)) {
        std::fprintf(stderr, "render-pages: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// "LCD Read/Write" -> "lcd-read-write"
QString fileStem(QString caption)
{
    caption = caption.trimmed().toLower();
    caption.replace(QRegularExpression(QStringLiteral("[^a-z0-9]+")), QStringLiteral("-"));
    return caption;
}

bool openAndSave(QWidget &main, const char *button, const char *window, const QDir &dir,
                 const QString &file)
{
    main.findChild<QPushButton *>(QString::fromLatin1(button))->click();
    QWidget *shown = topLevel(QString::fromLatin1(window));
    if (!shown) {
        std::fprintf(stderr, "render-pages: %s did not open %s\n", button, window);
        return false;
    }
    return save(shown, dir, file);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const QDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("shots"));
    if (!QDir().mkpath(dir.path())) {
        std::fprintf(stderr, "render-pages: cannot create %s\n", qPrintable(dir.path()));
        return 1;
    }

    NoPort port;
    SilentMessages messages;
    serial::SteadyClock clock;
    serial::BoardConnection connection(port, clock);
    app::Main main(connection, messages);
    main.show();
    auto *tabs = main.findChild<ui::PageTabs *>(QStringLiteral("SSTab1"));
    bool ok = true;
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        ok &= save(&main, dir,
                   QStringLiteral("%1-%2.png")
                           .arg(i + 1, 2, 10, QLatin1Char('0'))
                           .arg(fileStem(tabs->tabText(i))));
    }
    ok &= openAndSave(main, "Command6", "Help", dir, QStringLiteral("help.png"));
    ok &= openAndSave(main, "Command5", "frmAbout", dir, QStringLiteral("about.png"));
    return ok ? 0 : 1;
}
