#pragma once

#include "ui/library/curve_table.h"
#include "ui/library/curved_line_s_frm.h"

#include <optional>

class QWidget;

// What a store of the explorer's curve came to.
enum class TStoreResult {
    EmptyFormula, // a formula field was empty: the message was shown, nothing opened
    TooLong, // a formula longer than its field: the message was shown, nothing written
    Unavailable, // the library could not be opened: the message was shown
    Failed, // the post failed: the engine's message was shown, nothing written
    Stored, // a new row; "Kayıt Tamam" was asked
    AlreadyStored, // the row was there; "Kayıt Hatası" was asked
};

// The explorer's "Kaydet...": stores curve (the type code and the texts of
// fx, fy, fz) in the library, asks "Kayıt Tamam" or "Kayıt Hatası", and on OK
// shows the library modally (owner: owner), restricted to the type and on the
// stored row.
TStoreResult LibraryStoreCurve(
    QWidget* owner, const TCurveKey& curve, const TLibraryOptions& options = {});

// The explorer's "Eğri Sec...": shows the selection window on the row nearest to
// current, restricted to its type; the chosen row's type and formulas, or nothing
// when the user cancels (or the library cannot be opened or is empty).
std::optional<TCurveKey> LibrarySelectCurve(
    QWidget* owner, const TCurveKey& current, const TLibraryOptions& options = {});
