// Preferences, child dictionaries, property-list files and the developer switch.
#pragma once
