// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's window: three number fields (operand a, operand b, the
// result), the precision field of division, the operation buttons, the tools
// on the result, the link buttons and the help menu.
//
// Every control and menu entry carries its name as its objectName ("Text1",
// "Command13", "mnuInfo", ...). The window also provides the window services
// through which every handler reaches the fields and the system.
//
// Reading aids (reading_aids.cpp): the "Affichage" menu (digit groups, go to
// a digit, find), the find bar and the status bar's figures for the current
// number field.
#pragma once

#include "window/display_settings.h"
#include "window/job_runner.h"
#include "window/services.h"

#include <QMainWindow>

#include <cstdint>

namespace window {
class FieldStatus;
class FindBar;
class NumberField;
class PrecisionField;
} // namespace window

namespace history {
class History;
} // namespace history

class MainWindow : public QMainWindow, public window::Services {
    Q_OBJECT

public:
    // Builds the controls and runs the start-up handler: a = "3", b = "212",
    // result "0", precision engine::LeastPrecision.
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Where resultat.txt is written; the program's own folder unless set.
    void setProgramFolder(const QString& folder);
    // The user's home and documents folders; the system's unless set.
    void setUserFolders(const QString& home, const QString& documents);
    // The memory that computations count on; the system's figure unless set.
    void setAvailableMemory(std::optional<std::uint64_t> bytes) { availableMemory_ = bytes; }
    // How long a computation runs before its progress window shows.
    void setProgressDelay(std::chrono::milliseconds delay) { jobs_.setProgressDelay(delay); }

    // The "Affichage" menu, to which reading tools add their entries.
    QMenu* displayMenu() const { return displayMenu_; }
    // The number field that the status bar and the reading tools work on:
    // the one that has the focus, or had it last while the focus is in the
    // find bar, the menu bar or a dialog; the result field when another
    // control has it.
    window::NumberField* currentField() const;

    // window::Services: fields and precision
    engine::Text readField(window::Field field) override;
    void writeField(window::Field field, const engine::Text& text) override;
    std::int32_t precision() const override { return Precision; }
    void setPrecision(std::int32_t digits) override;

    // window::Services
    QString caption() const override;
    window::Answer showMessage(const QString& text, window::Buttons buttons,
                               const QString& title) override;
    bool openWebPage(const QString& url) override;
    QDateTime now() const override;
    QString programFolder() const override;
    std::optional<std::uint64_t> availableMemory() const override;
    QString homeFolder() const override;
    QString documentsFolder() override;
    bool exists(const QString& path) const override;
    QString resolvedPath(const QString& path) const override;
    std::optional<window::WriteError> writeTextLine(const QString& path,
                                                    const QString& text) override;
    void closeWindow() override;
    bool runJob(const QString& what, const std::function<void()>& job) override;
    void recordCalculation(history::Entry entry) override;

public slots:
    void Command1_Click();  // a + b
    void Command2_Click();  // a - b
    void Command3_Click();  // a * b
    void Command4_Click();  // a / b
    void Command5_Click();  // a to the power b
    void Command6_Click();  // b !
    void Command7_Click();  // the PHP calculator's page
    void Command8_Click();  // save the result
    void Command9_Click();  // Ackermann(a, b)
    void Command10_Click(); // digit count of the result
    void Command11_Click(); // the Ackermann page
    void Command12_Click(); // result into a
    void Command13_Click(); // a = 0
    void Command15_Click(); // b = 0
    void Command14_Click(); // date and time
    void Command16_Click(); // result = 0
    void Command17_Click(); // the companion site's home page
    void Command18_Click(); // digit-power sum of the result
    void Command19_Click(); // the page on perfect r-narcissistic numbers
    void mnuApropos_Click();
    void mnuInfo_Click();
    void mnuAker_Click();
    void mnuHtml_Click(); // the user guide's page
    void mnuVer_Click();
    void Quitter_Click();
    void Text4_Change(); // precision field edited

private:
    void buildControls();
    void buildReadingAids();
    void buildHistory();
    void putBack(const history::PutBack& texts);
    void buildDisplayMenu();
    void showDisplay();
    void followFocus(QWidget* now);
    void askDigitToGoTo(window::NumberField& field);
    void buildMenu();
    void connectHandlers();
    window::NumberField* numberField(window::Field field) const;
    // Marks the precision field while its text gives no precision.
    void showPrecisionState();

    // Digits after the point in division.
    std::int32_t Precision = engine::LeastPrecision;
    QString programFolder_;
    QString homeFolder_;
    std::optional<std::uint64_t> availableMemory_;
    QString documentsFolder_;
    window::JobRunner jobs_{*this};

    window::NumberField* Text1 = nullptr;
    window::NumberField* Text2 = nullptr;
    window::NumberField* Text3 = nullptr;
    window::PrecisionField* Text4 = nullptr;

    window::DisplaySettings display_;
    QMenu* displayMenu_ = nullptr;
    window::FieldStatus* fieldStatus_ = nullptr;
    window::FindBar* findBar_ = nullptr;
    window::NumberField* currentField_ = nullptr;
    history::History* history_ = nullptr;
};
