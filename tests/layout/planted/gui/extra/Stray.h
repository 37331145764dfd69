// A folder no library lists.
