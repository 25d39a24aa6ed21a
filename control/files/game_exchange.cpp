#include "control/files/game_exchange.h"

#include <QClipboard>
#include <QDate>
#include <QGuiApplication>

#include "control/files/game_file_names.h"
#include "control/settings/settings_store.h"
#include "lang/format.h"
#include "lang/language.h"
#include "lang/text_ids.h"
#include "model/game_storage.h"

namespace circumvia::control {

namespace {

QString CaptionText(int k) {
    return QString::fromStdString(lang::Caption(lang::CaptionBase() + k));
}

QString MessageText(int number) {
    return QString::fromStdString(lang::LoadText(number));
}

int FaultCaption(TextFault fault) {
    switch (fault) {
        case TextFault::kIllegalMove:
            return lang::caption::kTextFaultIllegal;
        case TextFault::kTooLarge:
            return lang::caption::kTextFaultTooLarge;
        case TextFault::kNone:
        case TextFault::kUnreadable:
            break;
    }
    return lang::caption::kTextFaultFormat;
}

}  // namespace

ClipboardText SystemClipboard() {
    return {[] { return QGuiApplication::clipboard()->text(); },
            [](const QString& text) { QGuiApplication::clipboard()->setText(text); }};
}

QString TextFaultMessage(const GameTextError& error) {
    const std::string fault = lang::Caption(lang::CaptionBase() + FaultCaption(error.fault));
    return QString::fromStdString(
        lang::FormatText(lang::LoadText(lang::message::kGameTextFault),
                         {std::to_string(error.line), std::to_string(error.column), fault}));
}

GameTextTags TagsForNow() {
    return {QDate::currentDate().toString(QStringLiteral("yyyy.MM.dd")).toStdString(), {}};
}

GameExchange::GameExchange(GameExchangeHost& host, SettingsStore& settings, ClipboardText clipboard)
    : host_(host), settings_(settings), clipboard_(std::move(clipboard)) {}

void GameExchange::CopyAsText() {
    clipboard_.write(QString::fromStdString(WriteGameText(host_.ExchangedGame(), TagsForNow())));
    host_.ShowStatus(MessageText(lang::message::kGameCopiedAsText));
}

void GameExchange::Paste() {
    const QString source = CaptionText(lang::caption::kClipboardSource);
    const QByteArray text = clipboard_.read().toUtf8();
    if (text.trimmed().isEmpty()) {
        host_.TellUser(MessageText(lang::message::kClipboardHoldsNoText), source);
        return;
    }
    // Read before anything is asked: a text that cannot be read drops nothing.
    Tjeu pasted = host_.ExchangedGame();
    if (const GameTextError error =
            PasteGameText(pasted, std::string_view(text.constData(), text.size()))) {
        host_.TellUser(TextFaultMessage(error), source);
        return;
    }
    if (!host_.MayReplaceGame()) return;
    host_.ReplaceGame(std::move(pasted), false);
}

void GameExchange::Saved(const std::filesystem::path& path) {
    if (IsGameTextName(path.string()) || !GameFileLosesPart(host_.ExchangedGame())) return;
    if (settings_.Read(SettingsStore::kTextRecordNotice, QString()) == QStringLiteral("1")) return;
    settings_.Write(SettingsStore::kTextRecordNotice, QStringLiteral("1"));
    host_.TellUser(MessageText(lang::message::kVariationsOnlyInText), ShownPath(path));
}

}  // namespace circumvia::control
