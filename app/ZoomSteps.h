#pragma once
// The steps View > Zoom In and Zoom Out go through, in percent of the page's own size.

// The next step above (direction > 0) or below (direction < 0) percent, or percent itself
// at the end of the steps. A value between two steps goes to the nearer one in that direction.
int NextZoomStep(int percent, int direction);
