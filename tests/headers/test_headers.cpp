// The test programs' shared precompiled headers are built for this file.
