#pragma once

#include "FrameValues.h"

namespace dormivo {

// Chooses the LIVE ACTION MONITOR picture from the live sample: 0 head at
// rest, 1 and 2 the rear view's left and right dot, 3 and 4 the side view's
// upper and lower dot. While the pillow acts on a snoring sleeper the two
// pictures of its view alternate at each evaluation; with no snoring the
// picture stays as it was.
class ActionPictureRules {
public:
    int evaluate(const FrameValues& sample);
    int picture() const { return picture_; }

private:
    int alternate(int first, int second);

    bool alternated_ = false;
    int picture_ = 0;
};

} // namespace dormivo
