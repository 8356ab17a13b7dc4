// status_line.h: the status text at the right end of the bar's menu line.
#pragma once

// UpdateStatusLine: composes the status text anew, paints it over the menu
// line and checks the hourly chime.
void UpdateStatusLine();
