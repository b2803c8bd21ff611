#include "color/readout.h"

#include "color/grey.h"
#include "color/pms_lookup.h"

namespace pixo {

ReadoutTexts ReadoutFor(Color c,
                        Notation notation,
                        bool pantone,
                        bool percentBlack,
                        std::string_view decimalSeparator) {
    ReadoutTexts texts;
    texts.value = ReadoutText(notation, c, decimalSeparator);
    const std::string_view name = pantone ? PmsName(HtmlHexText(c).View()) : std::string_view();
    if (!name.empty())
        texts.pms.Append("PMS: ").Append(name);
    texts.grey = GreyText(c, percentBlack);
    return texts;
}

}  // namespace pixo
