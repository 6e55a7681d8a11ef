#pragma once

// Waits at least 'seconds' while processing pending window events. Returns at once,
// without processing events, for 0 or less. Measured on the monotonic clock of the
// platform seam, so a wait over midnight still ends on time.
void Wacht(float seconds);
