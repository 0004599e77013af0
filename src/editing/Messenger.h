// The one road by which commands talk to the user in message boxes and file dialogs. The program
// uses WidgetMessenger (real Qt dialogs); tests install a scripted one that records the questions
// and gives prepared answers, so that every command can be driven without a person.
#pragma once

#include <QString>

class QWidget;

namespace kuvanto {

inline const QString kAppTitle = QStringLiteral("Kuvanto");

class Messenger {
public:
    virtual ~Messenger() = default;

    // A notice with an OK button and no icon.
    virtual void notice(const QString& text, const QString& title = kAppTitle) = 0;
    // A Yes/No question without icon; true for Yes.
    virtual bool confirm(const QString& text, const QString& title = kAppTitle) = 0;
    // A question before a command that would lose changes not yet saved: save first, go on
    // without saving, or cancel. Unless a messenger words it otherwise, a Yes/No question whose
    // Yes goes on without saving.
    enum class SaveChoice { Save, Proceed, Cancel };
    virtual SaveChoice askSaveFirst(const QString& text, const QString& title = kAppTitle) {
        return confirm(text, title) ? SaveChoice::Proceed : SaveChoice::Cancel;
    }
    // File dialogs; an empty path when cancelled. `filter` as in "*.csv|*.csv".
    virtual QString chooseOpenFile(const QString& title, const QString& filter,
                                   const QString& folder) = 0;
    virtual QString chooseSaveFile(const QString& title, const QString& filter,
                                   const QString& folder, const QString& initialName) = 0;
};

// Real dialogs, owned by a parent window.
class WidgetMessenger : public Messenger {
public:
    explicit WidgetMessenger(QWidget* parent) : parent_(parent) {}
    void notice(const QString& text, const QString& title = kAppTitle) override;
    bool confirm(const QString& text, const QString& title = kAppTitle) override;
    SaveChoice askSaveFirst(const QString& text, const QString& title = kAppTitle) override;
    QString chooseOpenFile(const QString& title, const QString& filter,
                           const QString& folder) override;
    QString chooseSaveFile(const QString& title, const QString& filter, const QString& folder,
                           const QString& initialName) override;

private:
    QWidget* parent_;
};

}  // namespace kuvanto
