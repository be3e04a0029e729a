#include "ActionPictureRules.h"

namespace dormivo {

int ActionPictureRules::evaluate(const FrameValues& sample) {
    switch (sample.actionState) {
    case 1:
    case 2:
    case 3:
        if (sample.snoreLevel != 0) {
            picture_ = alternate(1, 2);
        }
        break;
    case 4:
    case 5:
        if (sample.snoreLevel != 0) {
            picture_ = alternate(3, 4);
        }
        break;
    default:
        picture_ = 0;
        break;
    }
    return picture_;
}

int ActionPictureRules::alternate(int first, int second) {
    alternated_ = !alternated_;
    return alternated_ ? first : second;
}

} // namespace dormivo
