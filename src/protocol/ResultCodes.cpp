#include "protocol/ResultCodes.h"

namespace vorn::protocol {

const char* resultMeaning(int code) {
    switch (code) {
        case kResultOk:
            return "success";
        case kResultNoReply:
            return "no reply from the device, or a reply to another command";
        case kResultWriteFailed:
            return "the request could not be written";
        case kResultUnreachable:
            return "the receiver cannot reach the mouse";
        case kResultRefused:
            return "the device refused the command";
        case kResultDamaged:
            return "the device reported a damaged frame";
        case kResultBadPage:
            return "only page 0 exists";
        case kResultBadArgument:
            return "the buffer or range does not fit the transfer";
        default:
            return "unknown result";
    }
}

}  // namespace vorn::protocol
