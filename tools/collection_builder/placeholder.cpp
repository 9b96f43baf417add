// Placeholder until the collection builder lands.
