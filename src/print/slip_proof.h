#pragma once
// The proof: a slip printed on plain paper with the outline of every box it
// fills, to check a batch or a new printer before any form is used.

#include <span>

#include "print/draw_op.h"
#include "print/slip_fit.h"
#include "print/slip_record.h"

namespace ruvo {

// The slip's texts as SLIP97_Prn draws them, then over them in grey the
// outline of every box the slip shows (those of fields whose switch is
// off are left out, as their texts are). A field named in `overflows` has
// its text and outline in red, and the warning of OverflowWarning under its
// box. Throws as SLIP97_Prn.
DrawList SlipProof(const SlipRecord& slip, const SlipPrintValues& values,
                   std::span<const FieldOverflow> overflows = {});

}  // namespace ruvo
