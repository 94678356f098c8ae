// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the buttons along the top, the board panel, the clock and the counters.
#pragma once

#include "core/Platform.h"
#include "ui/FlatImageButton.h"
#include "ui/Help.h"
#include "ui/NumTreasuresUnit.h"
#include "ui/PictureHolder.h"

#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QWidget>

namespace ui {

// Panel1, a class of its own so that a screen reader finds it as the board.
class BoardPanel : public QFrame {
    Q_OBJECT
public:
    using QFrame::QFrame;
};

class TForm1 : public QWidget {
    Q_OBJECT
public:
    TForm1();

    void FormCreate();
    // The self-sizing labels follow their text.
    void ShowLabelText(core::Label label, const QString& text);
    QLabel* LabelOf(core::Label label) const;
    const PictureHolder& HolderOf(core::Picture picture) const;

    void sbtStartNewGameClick();
    void sbtCreateNewSizeGameClick();
    void sbtNumTreasuresMouseDown(Qt::MouseButton button);
    void sbtHelpClick();
    void sbtStopClick();
    void sbtExitClick();
    void N4x41Click(QAction* sender);
    void Timer1Timer();

    FlatImageButton* sbtStartNewGame;
    FlatImageButton* sbtCreateNewSizeGame;
    QLabel* lblWH;
    FlatImageButton* sbtNumTreasures;
    QWidget* Panel3;
    FlatImageButton* sbtHint;
    FlatImageButton* sbtHelp;
    FlatImageButton* sbtStop;
    FlatImageButton* sbtExit;
    BoardPanel* Panel1;
    QLabel* lblTime;
    QLabel* lblHod;
    QLabel* lblNumTreasures;
    QLabel* lblNumMyTreasures;
    QLabel* lblRest;
    PictureHolder* imgTreasure;
    PictureHolder* imgNoKnow;
    PictureHolder* imgEmpty;
    QMenu* PopupMenu1;
    QTimer* Timer1;
    TfrmNumTreasures* frmNumTreasures;  // the treasure-count picker, hidden until opened

    // Tests put a recorder here instead of the browser.
    PageOpener HelpOpener = OpenInBrowser;

protected:
    // A close request from the window system ends the program, as the exit button does.
    void closeEvent(QCloseEvent* event) override;

private:
    // Every control as the form's description lays it out.
    void CreateControls();
    void ConnectHandlers();
};

}  // namespace ui
