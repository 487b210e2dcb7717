#pragma once

#include "ui/messages.h"

#include <QStringList>

namespace testing_support {

// Records every message instead of showing a modal box.
class RecordingMessages final : public ui::Messages
{
public:
    void show(const QString &text, const QString &informative = {}) override
    {
        texts.append(text);
        details.append(informative);
    }

    QStringList texts;
    QStringList details;
};

} // namespace testing_support
