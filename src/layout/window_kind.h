#pragma once

namespace varnesk {

// The two simulation windows draw the same chart with a few differences (class numbering,
// percent or count axis, columns or dots, X-label rules); this says which one is drawing.
enum class WindowKind { Instant /* form1 */, StepByStep /* Form4 */ };

}  // namespace varnesk
