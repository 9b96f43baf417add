// Placeholder until the collection builder lands.
int main() { return 0; }
