int VelmoraToolingPlaceholder() { return 0; }
