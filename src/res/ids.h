// SPDX-License-Identifier: MIT
#pragma once
// Every numeric id of Snapwane: commands, frame parts, status panes, dialog
// templates and the controls of each dialog. Tests and the id lookup
// (platform/WidgetId.h) address windows, controls and commands by these numbers.
// Control ids repeat between dialogs, so each dialog has its own namespace.

namespace ids {

// Commands of the menu and the toolbar.
namespace cmd {
inline constexpr int LoadFiles = 130;
inline constexpr int LoadFolder = 131;
inline constexpr int RemovePhoto = 132;
inline constexpr int RemoveAll = 133;
inline constexpr int ViewPhoto = 134;
inline constexpr int HelpContents = 135;
inline constexpr int HomePage = 138;
inline constexpr int Reduce = 139;
inline constexpr int FileList = 144;
inline constexpr int PhotoList = 145;
inline constexpr int Stop = 147;
inline constexpr int FirstPhoto = 155;
inline constexpr int PreviousPhoto = 156;
inline constexpr int NextPhoto = 157;
inline constexpr int LastPhoto = 158;
inline constexpr int RotateLeft = 160;  // -90
inline constexpr int RotateRight = 161; // +90
inline constexpr int ColorCorrection = 162;
inline constexpr int FullScreen = 163;
inline constexpr int LoadCamera = 164;
inline constexpr int SlideShow = 167;
inline constexpr int RunAndPrint = 57607;
inline constexpr int About = 57664;
inline constexpr int Exit = 57665;
inline constexpr int Help = 57670; // also raised by F1
inline constexpr int ViewToolBar = 59392;
inline constexpr int ViewStatusBar = 59393;
} // namespace cmd

// Parts of the main frame.
inline constexpr int ToolBar = 59392;
inline constexpr int StatusBar = 59393;
inline constexpr int MainViewPane = 59648; // the frame's first pane: CMainView

// Status-bar panes, in order after the message pane.
namespace pane {
inline constexpr int PhotoCount = 129;
inline constexpr int CapsLock = 59137;
inline constexpr int NumLock = 59138;
inline constexpr int ScrollLock = 59139;
} // namespace pane

// Child windows of CMainView.
inline constexpr int PhotoListView = 135;   // thumbnail grid
inline constexpr int SinglePhotoView = 136; // current photo at window size
inline constexpr int FileListControl = 1014;

// The slide show's pace.
inline constexpr int SlideShowPeriodMs = 4000;

// Dialog templates.
namespace tmpl {
inline constexpr int About = 100;
inline constexpr int WizardStep2 = 141;
inline constexpr int WizardStep1 = 142;
inline constexpr int PhotoProgress = 146;
inline constexpr int FileProgress = 148;
inline constexpr int PhotoSizes = 152;
inline constexpr int FullScreen = 165;
inline constexpr int ColorCorrection = 166;
} // namespace tmpl

// Controls, one namespace per dialog.
namespace about {
inline constexpr int HomePage = 1009;
inline constexpr int Email = 1010;
inline constexpr int Close = 1;
} // namespace about

namespace photoProgress {
inline constexpr int Bar = 1020;
} // namespace photoProgress

namespace fileProgress {
inline constexpr int Bar = 1024;
inline constexpr int FileName = 1025;
inline constexpr int Stop = 1;
} // namespace fileProgress

namespace colorCorrection {
inline constexpr int Hide = 1;
inline constexpr int Cancel = 2;
inline constexpr int Brightness = 1013;
inline constexpr int Contrast = 1011;
inline constexpr int Grey = 1029;
} // namespace colorCorrection

namespace wizardStep1 {
// The size radio buttons, one group, in this order (sizeChoice 0 ... 5).
inline constexpr int Size320 = 1011;
inline constexpr int Size640 = 1012;
inline constexpr int Size800 = 1013;
inline constexpr int Size1024 = 1004;
inline constexpr int SizeCustom = 1005;
inline constexpr int SizeUnchanged = 1001;
inline constexpr int CustomWidth = 1014;
inline constexpr int CustomHeight = 1015;
inline constexpr int Quality = 1006;
inline constexpr int SizeGroup = 1027;
inline constexpr int InputBar = 1029;
inline constexpr int OutputBar = 1028;
inline constexpr int ShowSize = 1008;
inline constexpr int Next = 1;
inline constexpr int Cancel = 2;
} // namespace wizardStep1

namespace wizardStep2 {
inline constexpr int OutputFolder = 1006;
inline constexpr int Browse = 1009;
inline constexpr int ArchiveName = 1013;
inline constexpr int EmailAddress = 1012;
inline constexpr int SingleFile = 1018;
inline constexpr int MakeEmail = 1019;
inline constexpr int Start = 1;
inline constexpr int Back = 2;
} // namespace wizardStep2

namespace photoSizes {
inline constexpr int Close = 1;
} // namespace photoSizes

} // namespace ids
