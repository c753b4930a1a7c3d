// Deliberately empty: a library with FFmpeg's name and none of its functions.
