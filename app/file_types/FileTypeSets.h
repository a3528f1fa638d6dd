#pragma once
// The four file-type sets, registered together at start-up and released
// together at exit, both in the order text, database, image, preferences.
void _InitFileTypes();
void releaseFileTypes();
