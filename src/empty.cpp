// Keeps a layer that has no code yet buildable.
