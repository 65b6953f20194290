#pragma once
// The system clipboard through QClipboard.
#include "platform/Clipboard.h"

class QtClipboard : public Clipboard {
public:
    QString Text() const override;
    void SetText(const QString& text) override;
    void SetImageAndText(const QImage& image, const QString& text) override;
    bool HasFiles() const override;
    QStringList Files() const override;
};
