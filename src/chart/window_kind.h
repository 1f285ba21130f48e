#pragma once

namespace varnesk {

// The two simulation windows draw the same chart with a few differences (class numbering,
// percent or count axis, columns or dots, X-label rules); this says which one is drawing.
enum class TipoJanela { Instantanea /* form1 */, PassoAPasso /* Form4 */ };

}  // namespace varnesk
