#pragma once
// Makes the session's classes known to the window description reader.

void RegisterSessionClasses();
