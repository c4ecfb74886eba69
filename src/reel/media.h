// Media helpers: extension tables and frame rates, EyeTV and iMovie sources.
#pragma once
