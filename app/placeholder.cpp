int VelmoraPlaceholder() { return 0; }
