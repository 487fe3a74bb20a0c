// SPDX-License-Identifier: MIT
#pragma once
#include "reduce/ReductionSettings.h"

#include <QDialog>
#include <QList>

class CViewPhotoSizesDlg;
class CWizStep2Dlg;
class IntegerEdit;
class QAbstractButton;
class QGroupBox;
class QProgressBar;

// Step 1 of the reduction wizard: the size of the reduced photos and their JPEG
// quality, with an estimate of the total output and two bars comparing input and
// output. Next runs step 2 modally on top of it and ends the wizard with OK only
// when step 2 does; Show size opens the size preview. The settings it hands back
// are read once, after OK. GUI thread only.
class CWizStep1Dlg : public QDialog
{
    Q_OBJECT

public:
    // settings: the defaults, with the photo count, the input total and the first
    // photo filled in by ReductionController::settingsFor.
    explicit CWizStep1Dlg(const ReductionSettings& settings, QWidget* parent = nullptr);

    const ReductionSettings& settings() const { return m_settings; }

protected:
    // Run the next dialog modally; tests answer them instead.
    virtual int runStep2(CWizStep2Dlg& step2);
    virtual void runPreview(CViewPhotoSizesDlg& preview);

private:
    bool mayReplaceFilesOf(const CWizStep2Dlg& step2) const;
    void createControls();
    QLayout* createSizeGroup();
    QLayout* createBars();
    bool exchange(bool reading);
    void enableCustomSize();
    void keepWidestEstimateRoom();
    void tabToChosenSize();
    void showEstimate(SizeChoice::Index choice);
    void onSizeClicked(SizeChoice::Index choice);
    void onNext();
    void onShowSize();
    void setTargetBox(bool makeEven);

    ReductionSettings m_settings;
    QList<QAbstractButton*> m_sizeButtons; // in the order of SizeChoice
    QGroupBox* m_sizeGroup = nullptr;
    IntegerEdit* m_widthEdit = nullptr;
    IntegerEdit* m_heightEdit = nullptr;
    IntegerEdit* m_qualityEdit = nullptr;
    QProgressBar* m_inputBar = nullptr;
    QProgressBar* m_outputBar = nullptr;
};
