#pragma once
// The main window's layout in pixels, as data: the Win32 window is built from it and the
// toolbar style is applied with it.
namespace tgl::MainLayout {

inline constexpr int ClientWidth = 550;
inline constexpr int ClientHeight = 447;

// The top strip: the card and title row, one of the two toolbars below it, and the logo
// at its right.
inline constexpr int Panel3Height = 30;
inline constexpr int GenericToolbarPanelHeight = 40;
inline constexpr int IEToolbarPanelHeight = 41;
// The same in both toolbar styles.
inline constexpr int ToolbarPanelHeight = Panel3Height + GenericToolbarPanelHeight + 2;
inline constexpr int LogoPanelWidth = 78;
inline constexpr int LogoSize = 74;

// The card and title row.
inline constexpr int CardLabelLeft = 8;
inline constexpr int CardLabelTop = 8;
inline constexpr int DevicesComboLeft = 40;
inline constexpr int DevicesComboTop = 4;
inline constexpr int DevicesComboWidth = 249;
inline constexpr int GameTitleCaptionLeft = 300;
inline constexpr int GameTitleLabelLeft = 360;

// Toolbar buttons: the generic toolbar, and the IE-style toolbar in its band.
inline constexpr int GenericButtonWidth = 45;
inline constexpr int GenericButtonHeight = 36;
inline constexpr int IEButtonWidth = 45;
inline constexpr int IEButtonHeight = 35;
inline constexpr int IEImageWidth = 38;
inline constexpr int IEImageHeight = 15;

// The game list at the left, the tuning panel filling the rest.
inline constexpr int GamesPanelWidth = 121;
inline constexpr int GamesPanelBorder = 4;

inline constexpr int StatusBarHeight = 19;
inline constexpr int StatusVersionPanelWidth = 120;
inline constexpr int StatusHintPanelWidth = 50;

// The drop-down rows of the card box with ShowAllCards.
inline constexpr int AllCardsDropDownRows = 20;

}  // namespace tgl::MainLayout
