#pragma once

#include "quellfin/form_state.hpp"
#include "quellfin/glass_check.hpp"
#include "report_printer.hpp"
#include "widgets.hpp"

#include <QWidget>
#include <array>
#include <functional>
#include <string_view>

class QMenuBar;
class QPlainTextEdit;
class QUrl;

namespace quellfin::shell {

class GlassView;

// The main window: the calculator's fields as widgets in their groups, the construction pictures,
// the report and the menu bar, all at fixed positions in a window that cannot be resized.
class TMainForm : public QWidget {
    Q_OBJECT

public:
    // Builds every component with its defaults, then runs the recalculation once, so the report is
    // there before the window first shows.
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    [[nodiscard]] FormState& form() noexcept { return form_; }
    // The glass check on the glass-thickness box, with the choices it holds for the session.
    [[nodiscard]] GlassView& glassView() const noexcept { return *glassView_; }
    [[nodiscard]] const GlassOptions& glassOptions() const noexcept;

    // The recalculation every input runs.
    void CalcularClick();
    // "Sair": ends the application.
    void MenuItem5Click();

    // Hands `url` to the opener (the desktop's browser unless replaced) and returns at once.
    using UrlOpener = std::function<void(const QUrl&)>;
    void setUrlOpener(UrlOpener opener) { openUrl_ = std::move(opener); }
    void openLink(std::string_view url) const;

    // Reads the user's separators again (the same place the report tool reads them) and rewrites
    // the texts with them.
    void updateSeparators();

    // Printing and saving the report as PDF (Memo1's context menu, Ctrl+P).
    [[nodiscard]] ReportPrinter& printer() noexcept { return *printer_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void buildGroups();
    void showForm();

    FormState form_;
    QMenuBar* MenuBar1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    std::array<NumberBox*, kInputCount> numberBoxes_{};
    std::array<RadioBox*, 2> radioButtons_{};
    GlassView* glassView_ = nullptr;
    UrlOpener openUrl_;
    ReportPrinter* printer_ = nullptr;
};

} // namespace quellfin::shell

// The one main window, once it has been created.
extern quellfin::shell::TMainForm* MainForm;
