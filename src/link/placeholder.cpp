// Placeholder until the link layer lands.
