#pragma once

// Makes the styled controls and the visual-style marker known to the description reader.
void RegisterStyledControls();
