#include "log/UserMessages.h"

#include <cstdio>

namespace {
MessagePresenter *messagePresenter = nullptr;
}

void SetMessagePresenter(MessagePresenter *presenter)
{
    messagePresenter = presenter;
}

void ShowMessage(MessageIcon icon, const QString &text, const QString &caption)
{
    if (messagePresenter) {
        messagePresenter->ShowMessage(icon, text, caption);
        return;
    }
    std::fprintf(stderr, "%s: %s\n", qPrintable(caption), qPrintable(text));
}
