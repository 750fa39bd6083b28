// The profiles kept in the data file and their effect on the sliders at start-up.
#pragma once

void InitProfiles();
