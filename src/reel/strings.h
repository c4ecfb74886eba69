// Strings and lists: text substitution, name trimming, string and list helpers.
#pragma once
