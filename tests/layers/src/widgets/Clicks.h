#pragma once
// The widget kit's portable half: other portable folders may not lean on it.
