#include "gui/support/scripted_dialogs.h"

#include <gtest/gtest.h>

namespace kst::test {
namespace {

const char* kindName(ShownDialog::Kind kind)
{
    switch (kind) {
    case ShownDialog::Kind::Message: return "message";
    case ShownDialog::Kind::Error: return "error";
    case ShownDialog::Kind::Information: return "information";
    case ShownDialog::Kind::Warning: return "warning";
    case ShownDialog::Kind::Question: return "question";
    case ShownDialog::Kind::Input: return "input";
    case ShownDialog::Kind::OpenFile: return "open-file";
    case ShownDialog::Kind::OpenFolder: return "open-folder";
    }
    return "?";
}

}  // namespace

void ScriptedDialogs::expect(Kind kind)
{
    script_.push_back(Step(kind));
}

void ScriptedDialogs::expectQuestion(Button answer)
{
    script_.push_back(Step(Kind::Question, answer));
}

void ScriptedDialogs::expectInput(std::optional<QString> answer)
{
    script_.push_back(Step(Kind::Input, QMessageBox::Ok, std::move(answer)));
}

void ScriptedDialogs::expectOpenFile(std::optional<QStringList> files)
{
    script_.push_back(Step(Kind::OpenFile, QMessageBox::Ok, std::nullopt, std::move(files)));
}

void ScriptedDialogs::expectOpenFolder(std::optional<QString> folder)
{
    script_.push_back(Step(Kind::OpenFolder, QMessageBox::Ok, std::move(folder)));
}

QStringList ScriptedDialogs::texts() const
{
    QStringList all;
    for (const ShownDialog& d : shown_)
        all << d.text;
    return all;
}

ScriptedDialogs::Step ScriptedDialogs::next(ShownDialog shown)
{
    const Kind kind = shown.kind;
    const QString text = shown.text;
    shown_.push_back(std::move(shown));
    if (onShown)
        onShown(shown_.back());
    if (script_.empty()) {
        ADD_FAILURE() << "unexpected " << kindName(kind) << " dialog: " << text.toStdString();
        return Step(kind, QMessageBox::Cancel);
    }
    Step step = script_.front();
    script_.pop_front();
    if (step.kind != kind) {
        ADD_FAILURE() << "expected a " << kindName(step.kind) << " dialog, got " << kindName(kind) << ": "
                      << text.toStdString();
        return Step(kind, QMessageBox::Cancel);
    }
    return step;
}

void ScriptedDialogs::message(const QString& text)
{
    next({Kind::Message, QStringLiteral("Kestrom"), text});
}

void ScriptedDialogs::error(const QString& text)
{
    next({Kind::Error, QStringLiteral("Error"), text});
}

void ScriptedDialogs::information(const QString& text)
{
    next({Kind::Information, QStringLiteral("Information"), text});
}

void ScriptedDialogs::warning(const QString& text)
{
    next({Kind::Warning, QStringLiteral("Warnings"), text});
}

Dialogs::Button ScriptedDialogs::question(const QString& caption, const QString& text, Buttons buttons, Icon icon,
                                          Button defaultButton)
{
    return next({Kind::Question, caption, text, buttons, icon, defaultButton}).button;
}

std::optional<QString> ScriptedDialogs::input(const QString& caption, const QString& prompt, const QString& initial,
                                              int maxLength)
{
    lastInputInitial = initial;
    lastInputMaxLength = maxLength;
    std::optional<QString> typed = next({Kind::Input, caption, prompt}).text;
    // The box takes no more than this; the rest of what the script types is lost.
    if (typed)
        typed->truncate(maxLength);
    return typed;
}

std::optional<OpenFileAnswer> ScriptedDialogs::openFile(const OpenFileRequest& request)
{
    lastOpenFile = request;
    Step step = next({Kind::OpenFile, request.title, request.filters.join(QLatin1Char('|'))});
    if (!step.files)
        return std::nullopt;
    return OpenFileAnswer{*step.files};
}

std::optional<QString> ScriptedDialogs::openFolder(const QString& title)
{
    return next({Kind::OpenFolder, title, {}}).text;
}

}  // namespace kst::test
