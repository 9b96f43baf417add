// Placeholder until the image generator lands.
int main() { return 0; }
