// Carries the shared precompiled header that other targets reuse.
