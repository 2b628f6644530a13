#pragma once
// How a modal dialog closed: with OK, or any other way (Cancel, Esc, the close box).
namespace tgl {

enum class TModalResult { mrNone, mrOK, mrCancel };

}  // namespace tgl
