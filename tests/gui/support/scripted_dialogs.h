#pragma once

#include "gui/common/dialogs.h"

#include <QString>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace kst::test {

// What a dialog was: its kind, caption and text; for a question also its
// buttons, icon and default button.
struct ShownDialog {
    enum class Kind { Message, Error, Information, Warning, Question, Input, OpenFile, OpenFolder };
    Kind kind;
    QString caption;
    QString text;
    Dialogs::Buttons buttons = QMessageBox::Ok;
    Dialogs::Icon icon = QMessageBox::NoIcon;
    Dialogs::Button defaultButton = QMessageBox::NoButton;
};

// Answers dialogs from a script and records every one shown. A dialog the
// script does not expect fails the running test.
class ScriptedDialogs : public Dialogs {
public:
    using Kind = ShownDialog::Kind;

    // Expect a dialog of this kind; message boxes need no answer.
    void expect(Kind kind);
    void expectQuestion(Button answer);
    void expectInput(std::optional<QString> answer);
    void expectOpenFile(std::optional<QStringList> files);
    void expectOpenFolder(std::optional<QString> folder);

    const std::vector<ShownDialog>& shown() const { return shown_; }
    // Texts of the dialogs shown, in order.
    QStringList texts() const;
    void clearShown() { shown_.clear(); }
    // True when every expected dialog has come.
    bool allAnswered() const { return script_.empty(); }

    void message(const QString& text) override;
    void error(const QString& text) override;
    void information(const QString& text) override;
    void warning(const QString& text) override;
    Button question(const QString& caption, const QString& text, Buttons buttons, Icon icon,
                    Button defaultButton) override;
    std::optional<QString> input(const QString& caption, const QString& prompt, const QString& initial,
                                 int maxLength = InputBoxMaxLength) override;
    std::optional<OpenFileAnswer> openFile(const OpenFileRequest& request) override;
    std::optional<QString> openFolder(const QString& title) override;

    // Called as each dialog shows, while it would be open on screen.
    std::function<void(const ShownDialog&)> onShown;

    // The last open-file request and input box, for tests of what was asked.
    OpenFileRequest lastOpenFile;
    QString lastInputInitial;
    int lastInputMaxLength = 0;

private:
    struct Step {
        explicit Step(Kind k, Button b = QMessageBox::Ok, std::optional<QString> t = std::nullopt,
                      std::optional<QStringList> f = std::nullopt)
            : kind(k), button(b), text(std::move(t)), files(std::move(f))
        {
        }
        Kind kind;
        Button button;
        std::optional<QString> text;
        std::optional<QStringList> files;
    };
    Step next(ShownDialog shown);

    std::deque<Step> script_;
    std::vector<ShownDialog> shown_;
};

}  // namespace kst::test
