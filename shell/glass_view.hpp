#pragma once

// The glass check beside the form. The glass-thickness box carries the verdict as an icon at its
// trailing edge and a tooltip with the safety factor and the thickness to buy; the icon, F1 and
// the box's context menu open the "Verificação do vidro" window with every pane. Both follow
// every recalculation and never run one.

#include "quellfin/form_state.hpp"
#include "quellfin/glass_check.hpp"

#include <QDialog>
#include <QIcon>
#include <QPointer>
#include <array>
#include <optional>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace quellfin::shell {

// The window with the whole check: the panes, the verdict, the floor load, the choices the check
// depends on, and what it assumes. Non-modal; Escape closes it.
class GlassDetails : public QDialog {
public:
    explicit GlassDetails(QWidget* parent);

    void showCheck(const GlassCheck& check, char32_t decimal);

    // Called when the user changes one of the choices.
    void setOnOptionsChanged(std::function<void(GlassOptions)> handler) {
        onOptionsChanged_ = std::move(handler);
    }

private:
    [[nodiscard]] GlassOptions chosenOptions() const;

    QLabel* verdict_ = nullptr;
    QLabel* summary_ = nullptr;
    QTableWidget* table_ = nullptr;
    QLabel* floorLoad_ = nullptr;
    QComboBox* top_ = nullptr;
    QComboBox* bottom_ = nullptr;
    QLabel* notes_ = nullptr;
    std::function<void(GlassOptions)> onOptionsChanged_;
};

class GlassView : public QObject {
public:
    // `thickness` is the glass-thickness box; `window` owns the details window.
    GlassView(FormState& form, QLineEdit* thickness, QWidget* window);

    [[nodiscard]] const GlassOptions& options() const noexcept { return options_; }
    // The choices hold for the session; the check follows them at once.
    void setOptions(GlassOptions options);

    [[nodiscard]] const GlassCheck& check() const noexcept { return check_; }
    // The icon at the trailing edge of the glass-thickness box.
    [[nodiscard]] QAction* verdictAction() const noexcept { return verdict_; }
    // The details window, once opened.
    [[nodiscard]] GlassDetails* details() const noexcept { return details_; }

    // Opens the details window, or brings it to the front.
    void showDetails();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void update();

    FormState& form_;
    QLineEdit* thickness_;
    QWidget* window_;
    QAction* verdict_;
    QWidget* verdictButton_ = nullptr; // the icon's own widget inside the box
    QPointer<GlassDetails> details_;
    std::array<QIcon, 4> icons_;             // by status, each read from its SVG once
    std::optional<GlassStatus> shownStatus_; // the icon and its words change with the verdict
    GlassOptions options_;
    GlassCheck check_;
};

} // namespace quellfin::shell
