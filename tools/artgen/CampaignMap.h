#pragma once
#include "Image.h"


// The campaign map, 1280 x 720; with warSpread, the world after the war has spread.
Image CampaignMapPicture(bool warSpread);
