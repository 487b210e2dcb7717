#include "app/checkreport.h"

#include "app/boardcheck.h"
#include "app/pacingsearch.h"
#include "memory/display/displayimages.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QSaveFile>

namespace app {

namespace {

constexpr int scale = 3;

// How the differences picture shows each kind of pixel, in the order of the marks: lit on
// one side only in a colour of its own, stronger where no lit pixel of the other side lies
// within one pixel. Pixels dark on both sides stay background.
struct MarkStyle
{
    QRgb colour;
    const char *meaning;
};
constexpr MarkStyle markStyles[] = {
        {0x909090, "lit on both"},
        {0xf0a040, "lit on the board only, within one pixel of the simulated board's"},
        {0x80b0f0, "lit on the simulated board only, within one pixel of the board's"},
        {0xd00000, "lit on the board only"},
        {0x0030d0, "lit on the simulated board only"},
};
constexpr QRgb background = 0xf4f4f4;

QImage differenceImage(const protocol::PictureComparison &comparison,
                       const protocol::Bitmap &expected)
{
    QImage image(comparison.width, comparison.height, QImage::Format_RGB32);
    for (int y = 0; y < comparison.height; ++y) {
        for (int x = 0; x < comparison.width; ++x) {
            const auto mark = comparison.marks[static_cast<std::size_t>(y * comparison.width + x)];
            const bool dark = mark == protocol::PictureComparison::Same && !expected.at(x, y);
            image.setPixel(x, y, dark ? background : markStyles[mark].colour);
        }
    }
    return image.scaled(image.size() * scale);
}

QString legend()
{
    QString text = QStringLiteral("<p class=\"key\">Differences:");
    for (const MarkStyle &style : markStyles)
        text += QStringLiteral(" <span style=\"background:#%1\"></span>%2")
                        .arg(style.colour & 0xffffff, 6, 16, QLatin1Char('0'))
                        .arg(QLatin1String(style.meaning));
    return text + QStringLiteral("</p>\n");
}

QString html(const std::string &text)
{
    return QString::fromStdString(text).toHtmlEscaped();
}

QString verdictClass(const GroupResult &group)
{
    return group.matches() ? QStringLiteral("ok") : QStringLiteral("bad");
}

QString hexBytes(const std::vector<std::uint8_t> &bytes)
{
    QString text;
    for (const std::uint8_t byte : bytes)
        text += QStringLiteral("%1 ").arg(byte, 2, 16, QLatin1Char('0'));
    return text.trimmed();
}

// Whole or not at all, never an empty or cut file on a full disk. The flush is asked for on its
// own: commit() does not see a failure of the flush it does itself.
bool writeWhole(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    if (file.write(bytes) == bytes.size() && file.flush() && file.commit())
        return true;
    // Qt keeps no reason for a write the disk cut short.
    *error = QStringLiteral("cannot write all of %1").arg(path);
    return false;
}

} // namespace

bool writeCheckReport(const QString &folder, const ReportHeader &header, const CheckResult *check,
                      const std::optional<PacingResult> &pacing, QString *error)
{
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("."))) {
        *error = QStringLiteral("cannot make the folder %1").arg(folder);
        return false;
    }
    const auto savePicture = [&](const QImage &image, const QString &name) {
        QByteArray png;
        QBuffer buffer(&png);
        if (buffer.open(QIODevice::WriteOnly) && image.save(&buffer, "PNG"))
            return writeWhole(dir.filePath(name), png, error);
        *error = QStringLiteral("cannot make the picture %1").arg(dir.filePath(name));
        return false;
    };

    QString page = QStringLiteral(
            "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Board check</title>\n"
            "<style>body{font-family:sans-serif;margin:2em}img{image-rendering:pixelated;"
            "margin-right:1em}pre{white-space:pre-wrap;word-break:break-all;max-height:12em;"
            "overflow:auto;background:#f4f4f4;padding:.5em}.ok{color:#176017}.bad{color:#b00000}"
            "td,th{padding:.2em .8em;text-align:left}.frame-bad{background:#ffd8d8}"
            ".key span{display:inline-block;width:1em;height:1em;margin:0 .3em}</style>"
            "</head><body>\n<h1>Board check</h1>\n");
    page += QStringLiteral("<p>Port %1, %2.</p>\n")
                    .arg(header.device.toHtmlEscaped(), header.settings.toHtmlEscaped());

    if (pacing) {
        page += QStringLiteral("<h2>Pacing</h2>\n<p>%1</p>\n<table><tr><th>XmitDelay</th>"
                               "<th>result</th></tr>\n")
                        .arg(html(pacingLine(*pacing)));
        for (const auto &trial : pacing->trials)
            page += QStringLiteral("<tr><td>%1 ms</td><td class=\"%2\">%3</td></tr>\n")
                            .arg(trial.delayMs)
                            .arg(trial.keptUp ? "ok" : "bad")
                            .arg(trial.keptUp ? QStringLiteral("kept up") : html(trial.why));
        page += QStringLiteral("</table>\n");
    }

    if (check) {
        page += QStringLiteral("<h2>Groups</h2>\n<p>%1. Frames at an XmitDelay of %2 ms, EEPROM "
                               "writes at %3 ms and display memory writes at %4 ms, as the "
                               "memory pages send them.</p>\n")
                        .arg(html(totalLine(*check)))
                        .arg(check->delayMs)
                        .arg(BoardCheck::delayFor("]o]", check->delayMs))
                        .arg(BoardCheck::delayFor("]m]", check->delayMs));
        page += legend();
        page += QStringLiteral("<h3>EEPROM scratch bytes</h3>\n<ul>\n");
        for (const auto &scratch : check->scratch) {
            page += QStringLiteral("<li>%1 EEPROM %2 to %3: %4</li>\n")
                            .arg(QString::fromStdString(scratch.eeprom))
                            .arg(scratch.first, 4, 16, QLatin1Char('0'))
                            .arg(scratch.last, 4, 16, QLatin1Char('0'))
                            .arg(!scratch.original  ? QStringLiteral("could not be read, so "
                                                                      "not written")
                                 : !scratch.written ? QStringLiteral("read (%1), not written")
                                                              .arg(hexBytes(*scratch.original))
                                 : scratch.restored
                                         ? QStringLiteral("read first (%1) and restored")
                                                   .arg(hexBytes(*scratch.original))
                                         : QStringLiteral("<b class=\"bad\">NOT restored</b>; "
                                                          "they were %1")
                                                   .arg(hexBytes(*scratch.original)));
        }
        page += QStringLiteral("</ul>\n");

        for (std::size_t i = 0; i < check->groups.size(); ++i) {
            const GroupResult &group = check->groups[i];
            page += QStringLiteral("<h3 class=\"%1\">%2</h3>\n")
                            .arg(verdictClass(group), html(groupLine(group)));
            page += QStringLiteral("<pre>");
            for (const auto &frame : group.frames) {
                const QString line = html(frame.frame);
                page += frame.matches()
                                ? line + QLatin1Char('\n')
                                : QStringLiteral("<span class=\"frame-bad\">%1  -&gt; %2</span>\n")
                                          .arg(line, html(frame.board.text));
            }
            page += QStringLiteral("</pre>\n");
            if (!group.board || !group.expected)
                continue;
            const QString stem = QStringLiteral("group-%1").arg(i + 1, 2, 10, QLatin1Char('0'));
            const struct
            {
                QImage image;
                QString name, caption;
            } pictures[] = {
                    {memory::displayImage(*group.board, scale, 0), stem + "-board.png",
                     QStringLiteral("the board")},
                    {memory::displayImage(*group.expected, scale, 0), stem + "-simulated.png",
                     QStringLiteral("the simulated board")},
                    {differenceImage(group.comparison, *group.expected), stem + "-differences.png",
                     QStringLiteral("differences: %1 pixels, %2 beyond one pixel")
                             .arg(group.comparison.differing)
                             .arg(group.comparison.beyondOnePixel)},
            };
            page += QStringLiteral("<table><tr>");
            for (const auto &picture : pictures) {
                if (!savePicture(picture.image, picture.name))
                    return false;
                page += QStringLiteral("<td><img src=\"%1\" alt=\"%2\"><br>%2</td>")
                                .arg(picture.name, picture.caption);
            }
            page += QStringLiteral("</tr></table>\n");
        }
    }
    page += QStringLiteral("</body></html>\n");

    return writeWhole(dir.filePath(QStringLiteral("index.html")), page.toUtf8(), error);
}

} // namespace app
