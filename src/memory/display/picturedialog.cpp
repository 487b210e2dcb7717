#include "memory/display/picturedialog.h"

#include "memory/display/displayimages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

namespace memory {

namespace {

// The preview is at the display's own pixels, each shown this many screen pixels wide.
constexpr int previewScale = 3;

QComboBox *choices(const char *name, const QStringList &items)
{
    auto *box = new QComboBox;
    box->setObjectName(QLatin1String(name));
    box->addItems(items);
    return box;
}

} // namespace

PictureDialog::PictureDialog(const protocol::GreyImage &picture, int width, int height,
                             QWidget *parent)
    : QDialog(parent)
    , m_picture(picture)
    , m_width(width)
    , m_height(height)
    , m_placement(choices("picturePlacement", {tr("Fit"), tr("Stretch"), tr("Original size")}))
    , m_shading(
              choices("pictureShading", {tr("Threshold"), tr("Floyd-Steinberg dithering"),
                                         tr("Atkinson dithering"), tr("Ordered 4 x 4 dithering")}))
    , m_thresholdSlider(new QSlider(Qt::Horizontal))
    , m_threshold(new QSpinBox)
    , m_invert(new QCheckBox(tr("&Invert")))
    , m_view(new QLabel)
{
    setObjectName(QStringLiteral("pictureDialog"));
    setWindowTitle(tr("Load picture"));
    m_threshold->setObjectName(QStringLiteral("pictureThreshold"));
    m_invert->setObjectName(QStringLiteral("pictureInvert"));
    m_view->setObjectName(QStringLiteral("picturePreview"));
    m_view->setAccessibleName(tr("Preview"));
    m_view->setAlignment(Qt::AlignCenter);
    m_thresholdSlider->setRange(0, 256);
    m_threshold->setRange(0, 256);
    m_threshold->setAccessibleName(tr("Threshold"));
    m_placement->setAccessibleName(tr("Placement"));
    m_shading->setAccessibleName(tr("Shading"));

    auto *threshold = new QHBoxLayout;
    threshold->addWidget(m_thresholdSlider, 1);
    threshold->addWidget(m_threshold);
    auto *form = new QFormLayout;
    form->addRow(tr("&Placement"), m_placement);
    form->addRow(tr("&Shading"), m_shading);
    auto *thresholdLabel = new QLabel(tr("&Threshold"));
    thresholdLabel->setBuddy(m_threshold);
    form->addRow(thresholdLabel, threshold);
    form->addRow(QString(), m_invert);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_view, 1);
    layout->addLayout(form);
    layout->addWidget(buttons);

    setOptions({});
    connect(m_thresholdSlider, &QSlider::valueChanged, m_threshold, &QSpinBox::setValue);
    connect(m_threshold, &QSpinBox::valueChanged, m_thresholdSlider, &QSlider::setValue);
    connect(m_threshold, &QSpinBox::valueChanged, this, &PictureDialog::refresh);
    connect(m_placement, &QComboBox::currentIndexChanged, this, &PictureDialog::refresh);
    connect(m_shading, &QComboBox::currentIndexChanged, this, &PictureDialog::refresh);
    connect(m_invert, &QCheckBox::toggled, this, &PictureDialog::refresh);
}

protocol::PictureOptions PictureDialog::options() const
{
    return {static_cast<protocol::Placement>(m_placement->currentIndex()),
            static_cast<protocol::Shading>(m_shading->currentIndex()), m_threshold->value(),
            m_invert->isChecked()};
}

void PictureDialog::setOptions(const protocol::PictureOptions &options)
{
    const QSignalBlocker placement(m_placement), shading(m_shading), threshold(m_threshold),
            slider(m_thresholdSlider), invert(m_invert);
    m_placement->setCurrentIndex(static_cast<int>(options.placement));
    m_shading->setCurrentIndex(static_cast<int>(options.shading));
    m_threshold->setValue(options.threshold);
    m_thresholdSlider->setValue(options.threshold);
    m_invert->setChecked(options.invert);
    refresh();
}

void PictureDialog::refresh()
{
    const protocol::PictureOptions chosen = options();
    // Only the threshold mode reads the threshold.
    m_threshold->setEnabled(chosen.shading == protocol::Shading::Threshold);
    m_thresholdSlider->setEnabled(m_threshold->isEnabled());
    m_preview = protocol::toBitmap(m_picture, m_width, m_height, chosen);
    m_view->setPixmap(QPixmap::fromImage(displayImage(m_preview, previewScale, 1)));
}

} // namespace memory
